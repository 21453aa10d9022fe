// Writes the example recordings of the package into a folder: a fast Morse and a fast binary
// message sent by one station and received by the other over the simulated bench, in virtual time,
// each saved as the save dialog saves the last recording.
//
// optolink-exemples DOSSIER

#include "postes_virtuels/echange_rapide.h"

#include "fichiers/rrr.h"

#include <QDir>

#include <cstdio>

using namespace optolink;
using namespace optolink::essai;

namespace {

// At speed x 1, recorded over 6400 or 12800 samples ("15 s" or "30 s").
bool enregistrer(const QString& dossier, const QString& nom, const essai::Codage& codage, const QString& texte,
                 std::int16_t nbmesuresmax)
{
    const EchangeRapide e = echanger_rapide(codage, texte, {"x1", 1, Echantillonnage::us1300, 0.0013, nbmesuresmax});
    const EcritureRrr ecriture = ecrire_fichier_rrr(QDir(dossier).filePath(nom), e.b.tabmesures, e.b.nbmesuresmax);
    if (!e.complet || !ecriture.reussie) {
        std::fprintf(stderr, "%s : %s\n", qPrintable(nom), qPrintable(ecriture.raison));
        return false;
    }
    std::printf("%s : « %s »\n", qPrintable(nom), qPrintable(e.b.message.trimmed()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage : optolink-exemples DOSSIER\n");
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    const bool ok = enregistrer(dossier, "morse-rapide-sos.rrr", morse_rapide(), "sos", 6400)
                    && enregistrer(dossier, "morse-rapide-30s.rrr", morse_rapide(), "bonjour la classe", 12800)
                    && enregistrer(dossier, "binaire-rapide-ete.rrr", binaire_rapide(), "Été 25 €", 6400);
    return ok ? 0 : 1;
}
