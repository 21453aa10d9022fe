#include "rapide/acquisition.h"

#include "codages/attente.h"
#include "rapide/decoupeur_mesures.h"
#include "liaison/interface.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace optolink {

namespace {

// What may still be on the line after a download cut short is drained for this long at most.
constexpr double marge_ligne_s = 2.0;
// Draining what is left on the line ends once it has been quiet for this long.
constexpr double silence_vidage_s = 0.1;
// The progress of a download is brought up to date every so many samples, about twice a second.
constexpr int echantillons_par_avancement = 200;

// Reads and drops what arrives until the line has been quiet for a while, within fin_s.
void vider_ligne(Liaison& liaison, const Plateforme& plateforme, double fin_s)
{
    double dernier = plateforme.horloge.maintenant_s();
    for (;;) {
        const double maintenant = plateforme.horloge.maintenant_s();
        if (!liaison.lire().isEmpty())
            dernier = maintenant;
        else if (maintenant >= dernier + silence_vidage_s || maintenant >= fin_s)
            return;
        plateforme.boucle.ceder(std::min(dernier + silence_vidage_s, fin_s));
    }
}

// A download under way.
struct EnCours {
    double debut;          // clock at "WGOR"
    double enregistrement; // s, the time the interface takes to record
    double limite;         // s after debut, the longest the line can need
    double dernier;        // clock at the last character read
    double duree_s = 0;    // from debut to the end of the last yield
    qsizetype caracteres = 0;
    DecoupeurMesures decoupeur;
};

// What a download works with: the station's parts it reads and writes.
struct Parties {
    Liaison& liaison;
    const Plateforme& plateforme;
    Etat& etat;
    Evenements& evenements;
};

// Samples received, and the time the rest takes: at the line's rate with the characters a sample
// has taken so far, or, on a line faster than the samples, until the recording ends.
void montrer_telechargement(const Parties& p, const EnCours& d)
{
    const Etat& etat = p.etat;
    const double par_echantillon = etat.nbmesures > 0 ? static_cast<double>(d.caracteres) / etat.nbmesures : 3;
    const double ligne_s = std::max(0, etat.nbmesuresmax - etat.nbmesures) * par_echantillon * p.liaison.duree_caractere();
    const double enregistrement_s = d.debut + d.enregistrement - d.dernier; // from the last character read
    p.evenements.telechargement(etat.nbmesures, etat.nbmesuresmax, std::max(ligne_s, enregistrement_s));
}

// Programs and starts the recording at the period of modevitesse, one character per read.
EnCours lancer(const Parties& p)
{
    Etat& etat = p.etat;
    if (const auto periode_s = p.liaison.programmer_enregistrement(etat.nbmesuresmax, etat.modevitesse))
        etat.periodemesure = *periode_s;
    p.liaison.definir_longueur_entree(1);
    etat.chainemesure.clear();
    p.liaison.lancer_enregistrement();
    const double debut = p.plateforme.horloge.maintenant_s();
    return {debut, etat.nbmesuresmax * etat.periodemesure,
            limite_telechargement_s(etat.nbmesuresmax, etat.periodemesure, p.liaison.vitesse_bauds()), debut, 0, 0, {}};
}

// The character in reponseorphy joins the value under way; a sample it ends is stored.
void ranger(const Parties& p, EnCours& d)
{
    Etat& etat = p.etat;
    ++d.caracteres;
    for (const QChar c : etat.reponseorphy) { // a single byte: the input length is 1
        const DecoupeurMesures::Octet lu = d.decoupeur.octet(c.toLatin1());
        if (lu == DecoupeurMesures::Octet::valeur)
            continue;
        if (lu == DecoupeurMesures::Octet::mesure && etat.nbmesures < Etat::taille_tabmesures)
            etat.tabmesures[etat.nbmesures++] = d.decoupeur.mesure();
        if (etat.nbmesures % echantillons_par_avancement == 0)
            montrer_telechargement(p, d);
    }
    etat.chainemesure = d.decoupeur.en_cours();
}

// One read and one yield; how the download ended, once it has.
std::optional<FinTelechargement> lire_un_caractere(const Parties& p, EnCours& d)
{
    Etat& etat = p.etat;
    Liaison& liaison = p.liaison;
    Horloge& horloge = p.plateforme.horloge;
    etat.reponseorphy = liaison.lire();
    const double maintenant = horloge.maintenant_s();
    const bool recu = !etat.reponseorphy.isEmpty();
    if (recu) {
        d.dernier = maintenant;
        ranger(p, d);
    } else if (maintenant < d.debut + d.enregistrement) {
        liaison.noter_demande(maintenant); // the interface owes the samples it is taking
    }
    liaison.verifier_silence(maintenant);
    const double fin_silence = std::max(d.debut + d.enregistrement, d.dernier + silence_fin_s);
    if (recu)
        ceder_sans_attendre(p.plateforme.boucle);
    else
        p.plateforme.boucle.ceder(std::min({d.debut + d.limite, fin_silence, liaison.echeance_silence_s()}));
    const double apres = horloge.maintenant_s();
    d.duree_s = apres - d.debut;
    if (etat.nbmesures >= etat.nbmesuresmax)
        return FinTelechargement::compte;
    if (apres >= d.debut + d.limite)
        return FinTelechargement::limite;
    if (!recu && apres >= fin_silence)
        return FinTelechargement::silence;
    return std::nullopt;
}

} // namespace

void vider_avant_enregistrement(Liaison& liaison, const Plateforme& plateforme)
{
    const double fin = liaison.derniere_demande_ea0_s() + attente_derniere_reponse_s;
    while (liaison.reponse_ea0_attendue() && liaison.ouverte() && plateforme.horloge.maintenant_s() < fin) {
        liaison.lire();
        if (liaison.reponse_ea0_attendue())
            plateforme.boucle.ceder(fin);
    }
    liaison.lire();
}

Telechargement acquisition_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat,
                                  Evenements& evenements)
{
    const Parties p{liaison, plateforme, etat, evenements};
    EnCours d = lancer(p);
    montrer_telechargement(p, d);
    std::optional<FinTelechargement> fin;
    while (!fin)
        fin = lire_un_caractere(p, d);
    evenements.avancement_fini();
    std::fill(etat.tabmesures.begin() + std::max<int>(etat.nbmesures, 0), etat.tabmesures.end(), sans_mesure);
    liaison.definir_longueur_entree(0);
    if (*fin == FinTelechargement::limite)
        vider_ligne(liaison, plateforme, plateforme.horloge.maintenant_s() + marge_ligne_s);
    return {*fin, d.duree_s};
}

} // namespace optolink
