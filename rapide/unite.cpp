#include "rapide/unite.h"

#include <array>
#include <cmath>

namespace optolink {

// Each edge says: indice = origin + position × unit ∓ asymmetry / 2 (rising −, falling +). The
// normal equations of the three unknowns are solved by Cramer's rule.
Unite Unite::ajuster(std::span<const Front> fronts)
{
    using Ligne = std::array<double, 3>;
    std::array<Ligne, 3> m{};
    Ligne b{};
    for (const Front& f : fronts) {
        const Ligne x{1.0, f.position, f.montant ? -0.5 : 0.5};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                m[i][j] += x[i] * x[j];
            b[i] += x[i] * f.indice;
        }
    }
    const auto det = [](const std::array<Ligne, 3>& a) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
               + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    if (std::abs(d) < 1e-9)
        return {};
    const auto inconnue = [&](int colonne) {
        std::array<Ligne, 3> a = m;
        for (int i = 0; i < 3; ++i)
            a[i][colonne] = b[i];
        return det(a) / d;
    };
    return {inconnue(1), inconnue(2)};
}

double Unite::longueur(double n, bool lumiere) const
{
    return n * echantillons + (lumiere ? asymetrie : -asymetrie);
}

double Unite::en_unites(int nb, bool lumiere) const
{
    return valable() ? (nb - longueur(0, lumiere)) / echantillons : 0;
}

bool Unite::concorde(std::span<const Front> fronts, double tolerance) const
{
    if (!valable())
        return false;
    for (std::size_t i = 0; i + 1 < fronts.size(); ++i) {
        const double unites = en_unites(fronts[i + 1].indice - fronts[i].indice, fronts[i].montant);
        if (std::abs(unites - (fronts[i + 1].position - fronts[i].position)) > tolerance)
            return false;
    }
    return true;
}

int Unite::entieres(int nb, bool lumiere, int max, double tolerance) const
{
    const double x = en_unites(nb, lumiere);
    const auto n = static_cast<int>(std::lround(x));
    return n >= 1 && n <= max && std::abs(x - n) <= tolerance ? n : 0;
}

} // namespace optolink
