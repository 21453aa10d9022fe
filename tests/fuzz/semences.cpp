#include "fichiers/rrr.h"
#include "reglages_telechargement.h"
#include "tests/fast/synthese.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace optolink;

namespace {

struct Enregistrement {
    QString nom;
    std::vector<int> echantillons;
    ReglagesTelechargement reglages;
};

// A seed longer than this slows every run of the fuzzer more than it adds to what it reaches.
constexpr std::size_t echantillons_max = 1200;

// Darkness after the last light adds nothing to a seed but its length.
std::vector<int> sans_fin_sombre(std::vector<int> echantillons)
{
    echantillons.resize(std::min(echantillons.size(), echantillons_max));
    const auto [min, max] = std::minmax_element(echantillons.begin(), echantillons.end());
    const int milieu = (*min + *max) / 2;
    const auto derniere_lumiere = std::find_if(echantillons.rbegin(), echantillons.rend(), [&](int v) { return v > milieu; });
    echantillons.resize(std::min<std::size_t>(echantillons.size(), echantillons.rend() - derniere_lumiere + 300));
    return echantillons;
}

std::vector<Enregistrement> syntheses()
{
    std::vector<Enregistrement> liste;
    for (const synthese::Cas& cas : synthese::cas_courants()) {
        // The fastest emission: the shortest seeds.
        synthese::Reglage r = cas.reglage();
        r.dureebit = 1.0 / 3;
        const std::int16_t mode = cas.periode_s > 0.001 ? 0 : cas.periode_s > 0.0006 ? 1 : 2;
        const ReglagesTelechargement reglages{static_cast<std::int16_t>(cas.nbmesuresmax), mode, cas.niveaux.sombre};
        const QString suffixe = QStringLiteral("-%1-%2").arg(mode).arg(cas.nbmesuresmax);
        liste.push_back({"morse" + suffixe, synthese::emission_morse("sos", r).echantillons(cas.nbmesuresmax, cas.niveaux), reglages});
        liste.push_back({"binaire" + suffixe, synthese::emission_binaire("ok", r).echantillons(cas.nbmesuresmax, cas.niveaux), reglages});
    }
    return liste;
}

// An example recording read back as the decoders read it.
Enregistrement exemple(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        throw std::runtime_error("exemple illisible : " + chemin.toStdString());
    const std::vector<int> echantillons = niveaux_rrr(fichier);
    const std::int16_t nb = echantillons.size() > 6401 ? 12800 : 6400;
    return {QFileInfo(chemin).baseName(), echantillons, {nb, 0, echantillons.size() > 1 ? echantillons[1] : 0}};
}

void verifier(bool ecrite, const QString& chemin)
{
    if (!ecrite)
        throw std::runtime_error("semence non écrite : " + chemin.toStdString());
}

void ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile fichier(chemin);
    verifier(fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size(), chemin);
}

// Entries 0 to nb - 1 of the table.
void ecrire_rrr(const QString& chemin, const std::vector<Mesure>& tabmesures, std::size_t nb)
{
    verifier(ecrire_fichier_rrr(chemin, tabmesures, static_cast<int>(nb) - 1).reussie, chemin);
}

} // namespace

// fuzz_semences CORPUS [EXEMPLE.rrr...]: the seeds of fuzz_rrr (a recording as a saved file) and
// of fuzz_telechargement (the same recording as the download stream that brings it), made from
// the synthesised senders' light and from the examples, each cut after its last light.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage : fuzz_semences DOSSIER [EXEMPLE.rrr...]\n");
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    corpus.mkpath("fuzz_rrr");
    corpus.mkpath("fuzz_telechargement");
    std::vector<Enregistrement> liste = syntheses();
    for (int i = 2; i < argc; ++i)
        liste.push_back(exemple(QString::fromLocal8Bit(argv[i])));

    for (const Enregistrement& e : liste) {
        const std::vector<int> echantillons = sans_fin_sombre(e.echantillons);
        ecrire_rrr(corpus.filePath("fuzz_rrr/" + e.nom + ".rrr"), synthese::tabmesures(echantillons), echantillons.size());
        QByteArray flux = e.reglages.octets();
        for (const int v : echantillons)
            flux += QByteArray::number(v) + ',';
        ecrire(corpus.filePath("fuzz_telechargement/" + e.nom), flux);
    }
    // The data lines of the format's examples: one without value, one plain, one with a blank inside.
    // The writer keeps numbers: the blank inside is put in afterwards.
    const std::vector<Mesure> lignes = {37, 9, sans_mesure, 37, 37};
    const QString chemin_lignes = corpus.filePath("fuzz_rrr/lignes.rrr");
    ecrire_rrr(chemin_lignes, lignes, lignes.size());
    QFile fichier_lignes(chemin_lignes);
    verifier(fichier_lignes.open(QIODevice::ReadOnly), chemin_lignes);
    QByteArray contenu = fichier_lignes.readAll();
    fichier_lignes.close();
    ecrire(chemin_lignes, contenu.replace("  4  37 \r\n", "  4  3 7 \r\n"));
    return 0;
}
