#include "banc_en_fil.h"
#include "mesures.h"
#include "postes_reels/poste_reel.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <vector>

namespace optolink::mesures {

namespace {

using horloge_commune = std::chrono::steady_clock; // the same clock on both threads

double secondes(horloge_commune::time_point t) { return std::chrono::duration<double>(t.time_since_epoch()).count(); }

// The instants at which the bench's interface A saw its laser change, on the bench's thread.
struct Effets {
    std::mutex verrou;
    std::vector<double> instants;
};

struct Variante {
    const char* legende;
    bool termines;         // slow signals: byte and carriage return; fast ones: the bare byte
    bool cede;             // the slow transmitters yield in their waits, the fast ones do not
    double durees_s[3];    // lengths of the light and dark elements, in turn
};

const Variante variantes[] = {
    {"signaux rapides (octet nu, sans céder)", false, false, {0.003, 0.005, 0.008}},
    {"signaux lents (octet + CR, en cédant)", true, true, {0.010, 0.020, 0.030}},
};

void ecrire(PosteReel& poste, const Variante& v, bool allume)
{
    if (v.termines)
        allume ? poste.liaison.allumer_laser() : poste.liaison.eteindre_laser();
    else
        allume ? poste.liaison.allumer_laser_rapide() : poste.liaison.eteindre_laser_rapide();
}

void mesurer(PosteReel& poste, const Variante& v, double duree_s, Effets& effets, BancEnFil& banc)
{
    // Start from a dark laser and an idle line.
    ecrire(poste, v, false);
    const double repos = poste.horloge.maintenant_s() + 0.1;
    while (poste.horloge.maintenant_s() < repos)
        poste.boucle.ceder(repos);
    {
        std::lock_guard g(effets.verrou);
        effets.instants.clear();
    }
    qsizetype octets_avant = 0;
    banc.dans_le_fil([&](sim::BancReel& b) {
        octets_avant = b.interface(0).octets_recus().size();
        b.temps().oublier_pire_retard();
    });

    std::vector<double> ecritures;
    long passages = 0;
    bool allume = false;
    const double debut = poste.horloge.maintenant_s();
    double fin = debut;
    for (int element = 0; fin < debut + duree_s; ++element) {
        allume = !allume;
        fin += v.durees_s[element % 3];
        // The signal goes out at the start of the element, even if the element is already over
        // (the thread was kept waiting), then again on every pass until it ends.
        ecritures.push_back(secondes(horloge_commune::now()));
        do {
            ecrire(poste, v, allume);
            ++passages;
            if (v.cede)
                poste.boucle.ceder(fin);
        } while (poste.horloge.maintenant_s() < fin);
    }
    ecrire(poste, v, false);
    // Every change reaches the bench in the end; a loaded computer only makes it later.
    const double attente = poste.horloge.maintenant_s() + 5;
    const auto tous_vus = [&] {
        std::lock_guard g(effets.verrou);
        return effets.instants.size() >= ecritures.size() + (allume ? 1 : 0);
    };
    while (!tous_vus() && poste.horloge.maintenant_s() < attente)
        poste.boucle.ceder(poste.horloge.maintenant_s() + 0.01);

    qsizetype octets = 0;
    double retard_banc_s = 0;
    banc.dans_le_fil([&](sim::BancReel& b) {
        octets = b.interface(0).octets_recus().size() - octets_avant;
        retard_banc_s = b.temps().pire_retard_s();
    });
    std::vector<double> delais_ms;
    {
        std::lock_guard g(effets.verrou);
        const size_t n = std::min(effets.instants.size(), ecritures.size());
        for (size_t i = 0; i < n; ++i)
            delais_ms.push_back(1000 * (effets.instants[i] - ecritures[i]));
        if (effets.instants.size() < ecritures.size() || effets.instants.size() > ecritures.size() + 1)
            std::printf("  ATTENTION : %zu changements écrits, %zu vus par l'interface\n", ecritures.size(),
                        effets.instants.size());
    }
    if (delais_ms.empty())
        return;
    std::sort(delais_ms.begin(), delais_ms.end());
    const auto rang = [&](double part) {
        return delais_ms[std::min(delais_ms.size() - 1, static_cast<size_t>(std::ceil(part * delais_ms.size())) - 1)];
    };
    std::printf("  %s : %zu changements, %ld passages d'écriture, %lld octets sur la ligne\n", v.legende,
                delais_ms.size(), passages, static_cast<long long>(octets));
    std::printf("      délai écriture -> effet : min %.3f ms, médiane %.3f ms, 99e centile %.3f ms, max %.3f ms\n",
                delais_ms.front(), rang(0.5), rang(0.99), delais_ms.back());
    std::printf("      retard le plus grand du banc lui-même : %.3f ms\n", 1000 * retard_banc_s);
}

} // namespace

bool mesurer_delai(int numeroport, double duree_s, BancEnFil& banc)
{
    PosteReel poste(numeroport);
    if (!poste.liaison.ouvrir_liaison(poste.etat.numeroport)) {
        std::printf("  %s\n", qPrintable(poste.liaison.erreur()));
        return false;
    }
    Effets effets;
    banc.dans_le_fil([&](sim::BancReel& b) {
        b.interface(0).surChangementLaser([&effets](const sim::ChangementLaser&) {
            const double t = secondes(horloge_commune::now());
            std::lock_guard g(effets.verrou);
            effets.instants.push_back(t);
        });
    });
    std::printf("== Délai entre l'écriture d'un signal laser et son effet sur le banc (ComQt + pseudo-terminal),"
                " %.1f s par variante\n",
                duree_s);
    std::printf("   (plancher physique : un caractère à 9600 bauds, %.3f ms ; le délai compte aussi le retard du banc)\n",
                1000 * duree_caractere_s);
    for (const Variante& v : variantes)
        mesurer(poste, v, duree_s, effets, banc);
    banc.dans_le_fil([](sim::BancReel& b) { b.interface(0).surChangementLaser(nullptr); });
    poste.liaison.fermer_liaison();
    return true;
}

} // namespace optolink::mesures
