// Time to read and decode a saved recording of 12800 samples, for each coding.
#include "fast/binaire_rapide.h"
#include "fast/morse_rapide.h"
#include "synthese.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Writes the file once, then times opening, reading and decoding it.
template <typename Decodeur>
void decoder_fichier(benchmark::State& etat, const synthese::Signal& signal, Decodeur decodeur)
{
    QTemporaryDir dossier;
    const QString chemin = synthese::fichier_rrr(dossier.path(), "banc.rrr", signal.echantillons(12800));
    for (auto _ : etat) {
        QFile fichier(chemin);
        fichier.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(decodeur(fichier).message);
    }
}

void morse_rapide(benchmark::State& etat)
{
    decoder_fichier(etat, synthese::emission_morse("le laser porte ce message de 30 s"),
                    [](QFile& f) { return optolink::decode_fichiermorserap(f); });
}

void binaire_rapide(benchmark::State& etat)
{
    decoder_fichier(etat, synthese::emission_binaire("Accentué : à bientôt !"),
                    [](QFile& f) { return optolink::decode_fichierbinrap(f); });
}

} // namespace

BENCHMARK(morse_rapide)->Unit(benchmark::kMillisecond);
BENCHMARK(binaire_rapide)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
