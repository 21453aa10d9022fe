#include "mesures.h"
#include "postes_reels/processeur.h"
#include "postes_reels/poste_reel.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace optolink::mesures {

namespace {

struct Veille {
    double cpu_pourcent;
    int tics;
    long reveils;
    double intervalle_moyen_ms;
    double ecart_max_ms;
};

// Waits for light as a receive-wait routine does, with one of two ways of yielding.
Veille mesurer(PosteReel& poste, double duree_s, const std::function<void()>& ceder)
{
    std::vector<double> tics;
    poste.minuterie.surTic([&] {
        poste.lire_ea0();
        tics.push_back(poste.horloge.maintenant_s());
    });
    poste.minuterie.setEnabled(true);
    const double cpu0 = temps_processeur_fil_s();
    const double t0 = poste.horloge.maintenant_s();
    long reveils = 0;
    bool lumiere = false;
    while (poste.horloge.maintenant_s() < t0 + duree_s && !lumiere) {
        lumiere = poste.etat.tensionlue > poste.etat.tensionseuil;
        ceder();
        ++reveils;
    }
    const double cpu = temps_processeur_fil_s() - cpu0;
    const double duree = poste.horloge.maintenant_s() - t0;
    poste.minuterie.setEnabled(false);
    Veille v{100 * cpu / duree, static_cast<int>(tics.size()), reveils, 0, 0};
    if (tics.size() > 1) {
        const double intervalle_ms = poste.minuterie.interval();
        v.intervalle_moyen_ms = 1000 * (tics.back() - tics.front()) / static_cast<double>(tics.size() - 1);
        for (size_t i = 1; i < tics.size(); ++i)
            v.ecart_max_ms = std::max(v.ecart_max_ms, std::abs(1000 * (tics[i] - tics[i - 1]) - intervalle_ms));
    }
    return v;
}

void afficher(const char* legende, const Veille& v)
{
    std::printf("  %-40s CPU %6.2f %% d'un cœur   (%d tics, %.1f retours de boucle par tic, intervalle moyen %.2f ms,"
                " écart max %.2f ms)\n",
                legende, v.cpu_pourcent, v.tics, v.tics ? static_cast<double>(v.reveils) / v.tics : 0.0,
                v.intervalle_moyen_ms, v.ecart_max_ms);
}

} // namespace

bool mesurer_veille(int numeroport, double duree_s)
{
    PosteReel poste(numeroport);
    poste.etat.tensionseuil = 0.66;
    if (!poste.liaison.ouvrir_liaison(poste.etat.numeroport)) {
        std::printf("  %s\n", qPrintable(poste.liaison.erreur()));
        return false;
    }
    poste.minuterie.setInterval(30);
    std::printf("== Veille : programme attendant la lumière, minuterie 30 ms lisant EA0 sur le banc, %.1f s par mesure\n",
                duree_s);
    std::printf("   (temps processeur du fil du programme / temps écoulé ; le banc tourne sur un autre fil)\n");
    afficher("BoucleQt::ceder() (attente d'événement)", mesurer(poste, duree_s, [&] { poste.boucle.ceder(); }));
    afficher("processEvents() en boucle (comparaison)",
             mesurer(poste, duree_s, [] { QCoreApplication::processEvents(QEventLoop::AllEvents); }));
    poste.liaison.fermer_liaison();
    return true;
}

} // namespace optolink::mesures
