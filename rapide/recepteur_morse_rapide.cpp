#include "rapide/recepteur_morse_rapide.h"

#include "rapide/acquisition.h"
#include "rapide/morse_rapide.h"
#include "rapide/reception_rapide.h"

namespace optolink {

namespace {

void recevoir_morse_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    preparer_reception_rapide(liaison, plateforme, etat, evenements, Codage::morse_rapide);
    const Telechargement telechargement = acquisition_rapide(liaison, plateforme, etat, evenements);

    Lecture lecture;
    const ReceptionMorse recu =
        decoder_morse_rapide(etat.tabmesures, etat.nbmesuresmax, seuil_brut(etat.tensionseuil),
                             [&](const QString& codemorse) { evenements.symboles_recus(codemorse); }, &lecture);
    etat.message = recu.message;
    finir_reception_rapide(etat, evenements, Codage::morse_rapide, {liaison.vitesse_bauds(), telechargement.duree_s},
                           std::move(lecture), recu.codemorse, recu.texte1);
}

} // namespace

void attentereceptionmorserapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    attendre_reception_rapide(liaison, plateforme, etat, evenements, Codage::morse_rapide,
                              [&] { recevoir_morse_rapide(liaison, plateforme, etat, evenements); });
}

} // namespace optolink
