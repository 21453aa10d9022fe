#include "sim/lumiere.h"

#include "liaison/interface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace optolink::sim {

Photodiode::Photodiode(const ReglagesLumiere& reglages, std::uint32_t graine)
    : reglages_(reglages), hasard_(graine)
{
}

double Photodiode::tension_v(double instant_s, bool eclairee)
{
    double v = reglages_.noir_v + (eclairee ? reglages_.eclaire_v : 0.0);
    if (reglages_.bruit_v > 0)
        v += std::uniform_real_distribution<double>(-reglages_.bruit_v, reglages_.bruit_v)(hasard_);
    if (reglages_.periode_derive_s > 0)
        v += reglages_.derive_v * std::sin(2 * std::numbers::pi * instant_s / reglages_.periode_derive_s);
    else
        v += reglages_.derive_v;
    return std::clamp(v, 0.0, std::nextafter(tension_max_v, 0.0));
}

int brut_ea(double tension_v)
{
    return static_cast<int>(std::clamp(std::floor(tension_v * pleine_echelle_brute / pleine_echelle_v), 0.0,
                                             double(pleine_echelle_brute)));
}

} // namespace optolink::sim
