#include "banc_en_fil.h"
#include "mesures_rapides.h"
#include "postes_reels/processeur.h"
#include "postes_reels/station_reelle.h"

#include "poste/routine.h"
#include "rapide/emetteur_binaire_rapide.h"
#include "rapide/emetteur_morse_rapide.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace optolink::mesures {

namespace {

struct Stats {
    double min = 0, mediane = 0, max = 0;
};

Stats stats(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

std::size_t taille_journal(BancEnFil& banc)
{
    std::size_t n = 0;
    banc.dans_le_fil([&](sim::BancReel& b) { n = b.interface(0).journal_laser().size(); });
    return n;
}

// Lengths of the light periods of the sender's laser but its start mark, from the bench's journal
// since the entry depuis.
std::vector<double> impulsions(BancEnFil& banc, std::size_t depuis)
{
    std::vector<double> durees;
    banc.dans_le_fil([&](sim::BancReel& b) {
        const auto& journal = b.interface(0).journal_laser();
        for (std::size_t i = depuis; i + 1 < journal.size(); ++i)
            if (journal[i].allume)
                durees.push_back(journal[i + 1].instant_s - journal[i].instant_s);
    });
    std::erase_if(durees, [](double d) { return d > 0.9; }); // the start mark
    return durees;
}

// A send on the real bench: the processor share of the sending thread during the handler.
double envoyer(StationReelle& a, Routine::Envoi envoi, const QString& texte)
{
    const double cpu = temps_processeur_fil_s();
    const double debut = a.horloge.maintenant_s();
    envoi(a.poste.liaison, a.poste.plateforme, a.poste.etat, a.poste.modele, texte);
    return 100 * (temps_processeur_fil_s() - cpu) / (a.horloge.maintenant_s() - debut);
}

void morse(BancEnFil& banc, int numero_a)
{
    StationReelle a;
    if (!a.demarrer(numero_a, Codage::morse_rapide))
        return;
    const std::size_t depuis = taille_journal(banc);
    const double cpu = envoyer(a, Btonenvoi_morserapide_Click, QStringLiteral("sos sos"));
    std::vector<double> points, traits;
    for (double d : impulsions(banc, depuis))
        (d < 0.1 ? points : traits).push_back(d * 1000);
    const Stats p = stats(points), t = stats(traits);
    std::printf("  morse rapide x 1 : point %.2f / %.2f / %.2f ms (nominal 50), trait %.2f / %.2f / %.2f ms "
                "(nominal 150), rapport %.3f ; CPU de l'émetteur %.1f %% d'un cœur\n",
                p.min, p.mediane, p.max, t.min, t.mediane, t.max, t.mediane / p.mediane, cpu);
}

void binaire(BancEnFil& banc, int numero_a, double dureebit, double periode_s)
{
    StationReelle a;
    if (!a.demarrer(numero_a, Codage::binaire_rapide))
        return;
    a.poste.etat.dureebit = dureebit;
    a.poste.etat.periodemesure = periode_s;
    // "U" is 01010101: every run of light of its frames is one bit long.
    const std::size_t depuis = taille_journal(banc);
    const double cpu = envoyer(a, Btonenvoi_binrap_Click, QStringLiteral("UUUUUU"));
    std::vector<double> echantillons;
    for (double d : impulsions(banc, depuis))
        echantillons.push_back(d / periode_s);
    const Stats s = stats(echantillons);
    const double nominal = 0.07 * dureebit / periode_s;
    std::printf("  binaire rapide à %4.0f µs : bit de %.2f / %.2f / %.2f échantillons (%zu bits ; 0,07 × dureebit en fait"
                " %.2f, arrondi à %.0f), CPU de l'émetteur %.1f %% d'un cœur\n",
                periode_s * 1e6, s.min, s.mediane, s.max, echantillons.size(), nominal, std::round(nominal), cpu);
}

} // namespace

void mesurer_emissions(BancEnFil& banc, int numero_a)
{
    std::printf("== Émetteurs rapides sur le banc : longueurs des impulsions relevées par l'interface (min / médiane / max)\n");
    morse(banc, numero_a);
    binaire(banc, numero_a, 1, 0.0013);
    binaire(banc, numero_a, 0.5, 0.0008);
    binaire(banc, numero_a, 1.0 / 3, 0.0005);
}

} // namespace optolink::mesures
