#include "rapide/recepteur_binaire_rapide.h"

#include "rapide/acquisition.h"
#include "rapide/binaire_rapide.h"
#include "rapide/reception_rapide.h"

namespace optolink {

namespace {

void recevoir_binaire_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    preparer_reception_rapide(liaison, plateforme, etat, evenements, Codage::binaire_rapide);
    etat.chainebits.clear();
    etat.textebits.clear();
    const Telechargement telechargement = acquisition_rapide(liaison, plateforme, etat, evenements);

    Lecture lecture;
    const ReceptionBinaire recu =
        decoder_binaire_rapide(etat.tabmesures, etat.nbmesuresmax, seuil_brut(etat.tensionseuil),
                               [&](const QString& textebits) { evenements.symboles_recus(textebits); }, &lecture);
    etat.chainebits = recu.chainebits;
    etat.textebits = recu.textebits;
    etat.message = recu.message;
    finir_reception_rapide(etat, evenements, Codage::binaire_rapide, {liaison.vitesse_bauds(), telechargement.duree_s},
                           std::move(lecture), recu.chainebits, recu.texte1);
}

} // namespace

void attentereceptionbinairerapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    attendre_reception_rapide(liaison, plateforme, etat, evenements, Codage::binaire_rapide,
                              [&] { recevoir_binaire_rapide(liaison, plateforme, etat, evenements); });
}

} // namespace optolink
