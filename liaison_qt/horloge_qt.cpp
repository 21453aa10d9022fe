#include "liaison_qt/horloge_qt.h"

namespace optolink {

// The system may wake a sleeping thread late: the end of a wait is polled instead, so that every
// element of a signal ends on time.
void HorlogeQt::attendre_jusqua(double echeance_s)
{
    const double sommeil_s = echeance_s - sommeil_.retard_possible_s() - maintenant_s();
    if (sommeil_s > 0)
        sommeil_.dormir(sommeil_s);
    while (maintenant_s() < echeance_s) {
    }
}

void HorlogeQt::chronometrer(bool actif)
{
    if (actif)
        priorite_.elever();
    else
        priorite_.retablir();
}

} // namespace optolink
