#include "fast/echantillons.h"

#include "link/nombres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace optolink {

namespace {
// Junk text or a wild voltage can give a number far beyond any sample: it saturates to the
// 16-bit range of a sample instead of overflowing.
double borne16(double x)
{
    if (std::isnan(x))
        return 0;
    return std::clamp(x, double(std::numeric_limits<std::int16_t>::min()),
                      double(std::numeric_limits<std::int16_t>::max()));
}
} // namespace

int valeur_mesure(QStringView texte, bool blancs_ignores)
{
    return static_cast<int>(arrondi_pair(borne16(nombre_en_tete(texte, blancs_ignores))));
}

int seuil_brut(double tension_v)
{
    return static_cast<int>(std::floor(borne16(tension_v * 255 / 20)));
}

EchantillonsTable::EchantillonsTable(std::span<const QString> tabmesures, int nbmesuresmax)
    : tabmesures_(tabmesures),
      nbmesuresmax_(std::min<qsizetype>(nbmesuresmax, std::ssize(tabmesures) - 1))
{
}

int EchantillonsTable::suivant()
{
    ++indice_;
    return indice_ < std::ssize(tabmesures_) ? valeur_mesure(tabmesures_[indice_]) : 0;
}

int Extremes::milieu() const
{
    return static_cast<int>(std::floor((max + min) / 2.0));
}

} // namespace optolink
