#pragma once

#include "sim/ordonnanceur.h"

#include <QElapsedTimer>
#include <QTimer>

#include <map>

namespace optolink::sim {

// The world's time for the bench program: real time, events run from the Qt event loop of the
// thread that owns it. The timer sleeps until the last millisecond before an event, then lets the
// loop turn until it is due, so that events keep their sub-millisecond place on the line.
class OrdonnanceurReel final : public Ordonnanceur {
public:
    OrdonnanceurReel();
    double maintenant_s() const override { return static_cast<double>(depart_.nsecsElapsed()) * 1e-9; }
    void programmer(double instant_s, std::function<void()> action) override;

private:
    void armer();
    void echoir();

    QElapsedTimer depart_;
    QTimer reveil_;
    std::multimap<double, std::function<void()>> evenements_; // same instant: in order of programming
};

} // namespace optolink::sim
