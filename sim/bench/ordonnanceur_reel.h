#pragma once

#include "sim/ordonnanceur.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <map>
#include <memory>

namespace optolink::sim {

// The world's time for the bench program: real time, events run from the Qt event loop of the
// thread that owns it. The line's characters are 1.04 ms apart, finer than a Qt timer's
// millisecond: on Linux a timerfd wakes the loop at the exact instant, without spinning; elsewhere
// a Qt timer sleeps until the last millisecond and the loop turns until the event is due.
class OrdonnanceurReel final : public Ordonnanceur {
public:
    OrdonnanceurReel();
    ~OrdonnanceurReel() override;
    OrdonnanceurReel(const OrdonnanceurReel&) = delete;
    OrdonnanceurReel& operator=(const OrdonnanceurReel&) = delete;

    double maintenant_s() const override;
    void programmer(double instant_s, std::function<void()> action) override;

private:
    void armer();
    void echoir();

    QElapsedTimer depart_; // monotonic
    int minuteur_ = -1;    // the timerfd, when there is one
    std::unique_ptr<QSocketNotifier> reveil_fd_;
    QTimer reveil_;
    std::multimap<double, std::function<void()>> evenements_; // same instant: in order of programming
};

} // namespace optolink::sim
