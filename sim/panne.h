#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace optolink::sim {

// How a simulated interface misbehaves, on request only.
enum class SortePanne {
    mutisme,         // it no longer answers anything
    disparition,     // it vanishes: unplugged, its port gone
    brouillage,      // a share of the bytes it sends is replaced by random bytes
    decoupage,       // a share of its replies is held back part-way for a while
    retard,          // every reply leaves late
    reponse_de_trop, // a share of its replies is sent twice
};

// A fault strikes once the world's time has reached debut_s and the computer has received at
// least apres_octets bytes of replies, and lasts from then on. The random draws follow the seed, so
// that a run repeats exactly.
struct Panne {
    SortePanne sorte = SortePanne::mutisme;
    double debut_s = 0;
    std::int64_t apres_octets = 0;
    double taux = 1;       // brouillage: share of bytes; decoupage, reponse_de_trop: share of replies
    double delai_s = 0.2;  // retard: of every reply; decoupage: how long the rest of a reply waits
    std::uint32_t graine = 1;
};

// The names the bench's command line uses: "mutisme", "disparition", "brouillage", "decoupage",
// "retard", "reponse-de-trop".
std::optional<SortePanne> sorte_panne(QStringView nom);
QString nom_panne(SortePanne sorte);

} // namespace optolink::sim
