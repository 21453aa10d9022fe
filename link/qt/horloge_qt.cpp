#include "link/qt/horloge_qt.h"

#include <chrono>
#include <thread>

namespace optolink {

namespace {
// The system wakes a sleeping thread up to a few tenths of a millisecond late: the end of a wait
// is polled instead, so that every element of a signal ends on time.
constexpr double scrutation_finale_s = 0.0005;
} // namespace

void HorlogeQt::attendre_jusqua(double echeance_s)
{
    const double sommeil_s = echeance_s - scrutation_finale_s - maintenant_s();
    if (sommeil_s > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(sommeil_s));
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
