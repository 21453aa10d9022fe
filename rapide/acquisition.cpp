#include "rapide/acquisition.h"

#include "codages/attente.h"
#include "rapide/decoupeur_mesures.h"
#include "liaison/interface.h"

#include <algorithm>
#include <cmath>

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
void montrer_telechargement(const Etat& etat, Evenements& evenements, qsizetype caracteres)
{
    const double par_echantillon = etat.nbmesures > 0 ? static_cast<double>(caracteres) / etat.nbmesures : 3;
    const double reste_s = std::max(0, etat.nbmesuresmax - etat.nbmesures) * par_echantillon * duree_caractere_s;
    evenements.telechargement(etat.nbmesures, etat.nbmesuresmax, reste_s);
}

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
    Horloge& horloge = plateforme.horloge;
    if (const auto periode_s = liaison.programmer_enregistrement(etat.nbmesuresmax, etat.modevitesse))
        etat.periodemesure = *periode_s;
    const double enregistrement = etat.nbmesuresmax * etat.periodemesure;
    const double limite = limite_telechargement_s(etat.nbmesuresmax, etat.periodemesure);
    liaison.definir_longueur_entree(1);
    etat.chainemesure.clear();
    liaison.lancer_enregistrement();
    const double debut = horloge.maintenant_s();

    double dernier = debut;
    qsizetype caracteres = 0;
    DecoupeurMesures decoupeur;
    Telechargement t{FinTelechargement::limite, 0};
    montrer_telechargement(etat, evenements, caracteres);
    for (;;) {
        etat.reponseorphy = liaison.lire();
        const double maintenant = horloge.maintenant_s();
        const bool recu = !etat.reponseorphy.isEmpty();
        if (recu) {
            dernier = maintenant;
            ++caracteres;
            for (const QChar c : etat.reponseorphy) { // a single byte: the input length is 1
                const DecoupeurMesures::Octet lu = decoupeur.octet(c.toLatin1());
                if (lu == DecoupeurMesures::Octet::valeur)
                    continue;
                if (lu == DecoupeurMesures::Octet::mesure && etat.nbmesures < Etat::taille_tabmesures)
                    etat.tabmesures[etat.nbmesures++] = decoupeur.mesure();
                if (etat.nbmesures % echantillons_par_avancement == 0)
                    montrer_telechargement(etat, evenements, caracteres);
            }
            etat.chainemesure = decoupeur.en_cours();
        } else if (maintenant < debut + enregistrement) {
            liaison.noter_demande(maintenant); // the interface owes the samples it is taking
        }
        liaison.verifier_silence(maintenant);
        const double fin_silence = std::max(debut + enregistrement, dernier + silence_fin_s);
        if (recu)
            ceder_sans_attendre(plateforme.boucle);
        else
            plateforme.boucle.ceder(std::min({debut + limite, fin_silence, liaison.echeance_silence_s()}));
        const double apres = horloge.maintenant_s();
        t.duree_s = apres - debut;
        if (etat.nbmesures >= etat.nbmesuresmax) {
            t.fin = FinTelechargement::compte;
            break;
        }
        if (apres >= debut + limite)
            break;
        if (!recu && apres >= fin_silence) {
            t.fin = FinTelechargement::silence;
            break;
        }
    }

    evenements.avancement_fini();
    std::fill(etat.tabmesures.begin() + std::max<int>(etat.nbmesures, 0), etat.tabmesures.end(), QString());
    liaison.definir_longueur_entree(0);
    if (t.fin == FinTelechargement::limite)
        vider_ligne(liaison, plateforme, horloge.maintenant_s() + marge_ligne_s);
    return t;
}

} // namespace optolink
