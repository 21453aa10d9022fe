#include "rapide/echantillons.h"

#include <algorithm>
#include <cmath>

namespace optolink {

EchantillonsTable::EchantillonsTable(std::span<const Mesure> tabmesures, int nbmesuresmax)
    : tabmesures_(tabmesures),
      nbmesuresmax_(std::min<qsizetype>(nbmesuresmax, std::ssize(tabmesures) - 1))
{
}

int EchantillonsTable::suivant()
{
    ++indice_;
    return indice_ < std::ssize(tabmesures_) ? niveau(tabmesures_[indice_]) : 0;
}

int Extremes::milieu() const
{
    return static_cast<int>(std::floor((max + min) / 2.0));
}

} // namespace optolink
