#include "fast/acquisition.h"

#include "codings/attente.h"
#include "fast/avancement.h"
#include "fast/decoupeur_mesures.h"
#include "link/interface.h"

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

// Samples received, and the time the rest takes at the line's rate with the characters a sample
// has taken so far.
void montrer_telechargement(Poste& poste, qsizetype caracteres)
{
    const Etat& etat = poste.etat;
    const double par_echantillon = etat.nbmesures > 0 ? static_cast<double>(caracteres) / etat.nbmesures : 3;
    const double reste_s = std::max(0, etat.nbmesuresmax - etat.nbmesures) * par_echantillon * duree_caractere_s;
    montrer_avancement(poste.fenetre, etat.nbmesures, etat.nbmesuresmax,
                       QStringLiteral("%1 / %2 échantillons reçus, encore %3 s environ")
                           .arg(etat.nbmesures)
                           .arg(etat.nbmesuresmax)
                           .arg(std::ceil(reste_s)));
}

// Reads and drops what arrives until the line has been quiet for a while, within fin_s.
void vider_ligne(Poste& poste, double fin_s)
{
    double dernier = poste.horloge.maintenant_s();
    for (;;) {
        const double maintenant = poste.horloge.maintenant_s();
        if (!poste.liaison.lire().isEmpty())
            dernier = maintenant;
        else if (maintenant >= dernier + silence_vidage_s || maintenant >= fin_s)
            return;
        poste.boucle.ceder(std::min(dernier + silence_vidage_s, fin_s));
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

// Programs and starts the recording at the period of modevitesse, one character per read.
EnCours lancer(Poste& poste)
{
    Etat& etat = poste.etat;
    Liaison& liaison = poste.liaison;
    if (const auto periode_s = liaison.programmer_enregistrement(etat.nbmesuresmax, etat.modevitesse))
        etat.periodemesure = *periode_s;
    liaison.definir_longueur_entree(1);
    etat.chainemesure.clear();
    liaison.lancer_enregistrement();
    const double debut = poste.horloge.maintenant_s();
    return {debut, etat.nbmesuresmax * etat.periodemesure,
            limite_telechargement_s(etat.nbmesuresmax, etat.periodemesure), debut, 0, 0, {}};
}

// The character in reponseorphy joins the value under way; a sample it ends is stored.
void ranger(Poste& poste, EnCours& d)
{
    Etat& etat = poste.etat;
    ++d.caracteres;
    for (const QChar c : etat.reponseorphy) { // a single byte: the input length is 1
        const DecoupeurMesures::Octet lu = d.decoupeur.octet(c.toLatin1());
        if (lu == DecoupeurMesures::Octet::valeur)
            continue;
        if (lu == DecoupeurMesures::Octet::mesure && etat.nbmesures < Etat::taille_tabmesures)
            etat.tabmesures[etat.nbmesures++] = d.decoupeur.mesure();
        if (etat.nbmesures % echantillons_par_avancement == 0)
            montrer_telechargement(poste, d.caracteres);
    }
    etat.chainemesure = d.decoupeur.en_cours();
}

// One read and one yield; how the download ended, once it has.
std::optional<FinTelechargement> lire_un_caractere(Poste& poste, EnCours& d)
{
    Etat& etat = poste.etat;
    Liaison& liaison = poste.liaison;
    etat.reponseorphy = liaison.lire();
    const double maintenant = poste.horloge.maintenant_s();
    const bool recu = !etat.reponseorphy.isEmpty();
    if (recu) {
        d.dernier = maintenant;
        ranger(poste, d);
    } else if (maintenant < d.debut + d.enregistrement) {
        liaison.noter_demande(maintenant); // the interface owes the samples it is taking
    }
    liaison.verifier_silence(maintenant);
    const double fin_silence = std::max(d.debut + d.enregistrement, d.dernier + silence_fin_s);
    if (recu)
        ceder_sans_attendre(poste);
    else
        poste.boucle.ceder(std::min({d.debut + d.limite, fin_silence, liaison.echeance_silence_s()}));
    const double apres = poste.horloge.maintenant_s();
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

void vider_avant_enregistrement(Poste& poste)
{
    Liaison& liaison = poste.liaison;
    const double fin = liaison.derniere_demande_ea0_s() + attente_derniere_reponse_s;
    while (liaison.reponse_ea0_attendue() && liaison.ouverte() && poste.horloge.maintenant_s() < fin) {
        liaison.lire();
        if (liaison.reponse_ea0_attendue())
            poste.boucle.ceder(fin);
    }
    liaison.lire();
}

Telechargement acquisition_rapide(Poste& poste)
{
    Etat& etat = poste.etat;
    EnCours d = lancer(poste);
    montrer_telechargement(poste, d.caracteres);
    std::optional<FinTelechargement> fin;
    while (!fin)
        fin = lire_un_caractere(poste, d);
    cacher_avancement(poste.fenetre);
    std::fill(etat.tabmesures.begin() + std::max<int>(etat.nbmesures, 0), etat.tabmesures.end(), sans_mesure);
    poste.liaison.definir_longueur_entree(0);
    if (*fin == FinTelechargement::limite)
        vider_ligne(poste, poste.horloge.maintenant_s() + marge_ligne_s);
    return {*fin, d.duree_s};
}

} // namespace optolink
