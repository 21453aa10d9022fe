#include "liaison_qt/sommeil.h"

#include <windows.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace optolink {

Sommeil::Sommeil()
{
    minuteur_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    retard_possible_s_ = minuteur_ ? 0.0005 : 0.002;
}

Sommeil::~Sommeil()
{
    if (minuteur_)
        CloseHandle(minuteur_);
}

void Sommeil::dormir(double duree_s)
{
    if (minuteur_) {
        LARGE_INTEGER echeance;
        echeance.QuadPart = -static_cast<LONGLONG>(duree_s * 1e7); // relative, in 100 ns steps
        if (SetWaitableTimer(minuteur_, &echeance, 0, nullptr, nullptr, FALSE)) {
            WaitForSingleObject(minuteur_, INFINITE);
            return;
        }
    }
    Sleep(static_cast<DWORD>(duree_s * 1000));
}

} // namespace optolink
