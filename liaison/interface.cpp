#include "liaison/interface.h"

#include "liaison/nombres.h"

#include <algorithm>
#include <cmath>

namespace optolink {

namespace {
// Time left for the line after the last character a download can need.
constexpr double marge_ligne_s = 2.0;
} // namespace

int seuil_brut(double tension_v)
{
    return static_cast<int>(std::floor(borne16(tension_v * pleine_echelle_brute / pleine_echelle_v)));
}

int mode_de_periode(double periode_s)
{
    for (int i = 0; i < std::ssize(modes_vitesse); ++i)
        if (std::abs(modes_vitesse[i].periode_s - periode_s) < 1e-6)
            return i;
    return -1;
}

double limite_annoncee_s(int nbmesuresmax, double periode_s)
{
    return nbmesuresmax * periode_s + 8 + (nbmesuresmax == 12800 ? 6 : 0);
}

double limite_telechargement_s(int nbmesuresmax, double periode_s, int bauds)
{
    const double enregistrement = nbmesuresmax * periode_s;
    const double ligne = nbmesuresmax * caracteres_par_echantillon_max * duree_caractere_a_s(bauds);
    const double ligne_s = std::max(enregistrement, ligne) + marge_ligne_s;
    return bauds == vitesse_interface_bauds ? std::max(limite_annoncee_s(nbmesuresmax, periode_s), ligne_s) : ligne_s;
}

} // namespace optolink
