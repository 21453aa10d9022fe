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

double transmission(double distance_m)
{
    const double r = distance_caracteristique_m / (distance_caracteristique_m + std::max(0.0, distance_m));
    return r * r;
}

double attenuation_db(double distance_m) { return -10 * std::log10(transmission(distance_m)); }

double attenuation_db_m(double d1_m, double d2_m) { return (attenuation_db(d2_m) - attenuation_db(d1_m)) / (d2_m - d1_m); }

double Photodiode::tension_v(double instant_s, bool eclairee)
{
    double v = reglages_.noir_v + (eclairee ? reglages_.eclaire_v * transmission(reglages_.distance_m) : 0.0);
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
