// Time to read and decode a saved recording of 12800 samples, for each coding, with the
// decoder's reading gathered (argument 1) or not (argument 0).
#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"
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
    const bool lue = etat.range(0) != 0;
    decoder_fichier(etat, synthese::emission_morse("le laser porte ce message de 30 s"), [lue](QFile& f) {
        optolink::Lecture lecture;
        return optolink::decode_fichiermorserap(f, {}, lue ? &lecture : nullptr);
    });
}

void binaire_rapide(benchmark::State& etat)
{
    const bool lue = etat.range(0) != 0;
    decoder_fichier(etat, synthese::emission_binaire("Accentué : à bientôt !"), [lue](QFile& f) {
        optolink::Lecture lecture;
        return optolink::decode_fichierbinrap(f, {}, lue ? &lecture : nullptr);
    });
}

} // namespace

BENCHMARK(morse_rapide)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(binaire_rapide)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
