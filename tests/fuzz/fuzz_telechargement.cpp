#include "rapide/acquisition.h"
#include "rapide/binaire_rapide.h"
#include "rapide/decoupeur_mesures.h"
#include "rapide/morse_rapide.h"
#include "reglages_telechargement.h"
#include "postes_virtuels/com_scriptee.h"
#include "postes_virtuels/station_virtuelle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace optolink;

// Any bytes arriving during a fast download, in virtual time: the real download stores them,
// then both live receivers decode the table it leaves, progress shown. The sample parser alone
// also reads them, whole and cut in two, and must find the same samples.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArrayView entree(donnees, static_cast<qsizetype>(taille));
    const ReglagesTelechargement reglages = ReglagesTelechargement::lire(entree);

    essai::StationVirtuelle<essai::ComScriptee> station;
    essai::ComScriptee& com = station.com;
    Poste& poste = station.poste;
    Etat& etat = poste.etat;
    etat.nbmesuresmax = reglages.nbmesuresmax;
    etat.modevitesse = static_cast<Echantillonnage>(reglages.modevitesse);
    etat.tensionseuil = reglages.sombre * 20.0 / 255 + 0.5;
    com.setPortOpen(true);
    com.a_lire = entree.sliced(std::min(entree.size(), ReglagesTelechargement::taille)).toByteArray();

    acquisition_rapide(poste.liaison, poste.plateforme, etat, poste.modele);
    const auto progression = [](const QString&) {};
    const int seuil = seuil_brut(etat.tensionseuil);
    decoder_morse_rapide(etat.tabmesures, etat.nbmesuresmax, seuil, progression);
    decoder_binaire_rapide(etat.tabmesures, etat.nbmesuresmax, seuil, progression);

    const std::vector<Mesure> entiere = DecoupeurMesures().octets(entree);
    DecoupeurMesures decoupeur;
    const qsizetype coupure = entree.size() / 2;
    std::vector<Mesure> en_deux = decoupeur.octets(entree.first(coupure));
    const std::vector<Mesure> fin = decoupeur.octets(entree.sliced(coupure));
    en_deux.insert(en_deux.end(), fin.begin(), fin.end());
    if (en_deux != entiere)
        __builtin_trap();
    return 0;
}
