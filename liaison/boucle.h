#pragma once

#include <limits>

namespace optolink {

constexpr double jamais_s = std::numeric_limits<double>::infinity();

// The yield to the event loop. The long routines are loops that yield on every pass; every
// handler (timer tick, button, menu) runs inside one of those yields.
class Boucle {
public:
    virtual ~Boucle() = default;
    // Runs the pending events. When none is pending, waits for the next one, but not beyond
    // echeance_s (a value of the Horloge): a loop timing a step passes the end of the step,
    // a loop waiting for a reading passes nothing and sleeps until the next tick.
    virtual void ceder(double echeance_s = jamais_s) = 0;
};

} // namespace optolink
