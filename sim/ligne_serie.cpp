#include "sim/ligne_serie.h"

#include <algorithm>

namespace optolink::sim {

LigneSerie::LigneSerie(Ordonnanceur& temps, std::function<void(char)> arrivee)
    : temps_(temps), arrivee_(std::move(arrivee))
{
}

void LigneSerie::envoyer(const QByteArray& octets)
{
    for (const char c : octets) {
        libre_a_s_ = std::max(libre_a_s_, temps_.maintenant_s()) + duree_caractere_s;
        temps_.programmer(libre_a_s_, [this, c] { arrivee_(c); });
    }
}

} // namespace optolink::sim
