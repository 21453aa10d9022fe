#include "banc/reveil_precis.h"

#include <QWinEventNotifier>

#include <windows.h>
#include <timeapi.h>

#include <cmath>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace optolink::sim {

struct ReveilPrecis::Systeme {
    HANDLE minuteur = nullptr;
    bool resolution_fine = false; // the system timer asked for 1 ms, for a plain waitable timer
    std::unique_ptr<QWinEventNotifier> avis;
    ~Systeme()
    {
        avis.reset();
        CloseHandle(minuteur);
        if (resolution_fine)
            timeEndPeriod(1);
    }
};

// Windows 10 from version 1803 has high-resolution waitable timers, which end within a fraction
// of a millisecond whatever the system timer's resolution; before it, a plain one ends on the
// system timer's tick, brought to 1 ms for as long as the bench runs.
ReveilPrecis::ReveilPrecis(std::function<void()> action)
{
    HANDLE minuteur = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    bool resolution_fine = false;
    if (!minuteur) {
        minuteur = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
        if (!minuteur)
            return;
        resolution_fine = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    systeme_ = std::make_unique<Systeme>();
    systeme_->minuteur = minuteur;
    systeme_->resolution_fine = resolution_fine;
    systeme_->avis = std::make_unique<QWinEventNotifier>(minuteur);
    QObject::connect(systeme_->avis.get(), &QWinEventNotifier::activated, [action = std::move(action)] { action(); });
}

ReveilPrecis::~ReveilPrecis() = default;

void ReveilPrecis::armer(double dans_s)
{
    // A relative due time is negative, in 100 ns units; an auto-reset timer, so that the notifier
    // sees each expiry once.
    LARGE_INTEGER echeance;
    echeance.QuadPart = -std::max<long long>(1, std::llround(dans_s * 1e7));
    SetWaitableTimer(systeme_->minuteur, &echeance, 0, nullptr, nullptr, FALSE);
}

} // namespace optolink::sim
