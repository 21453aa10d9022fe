#pragma once

namespace optolink {

// Monotonic seconds, never the time of day: a wait spanning midnight keeps its length,
// and double precision keeps sub-millisecond resolution over days of running.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual double maintenant_s() = 0;

    // Returns once the clock has reached echeance_s, running no event meanwhile: the steps of a
    // signal that must not be disturbed. The platform sleeps for most of the wait.
    virtual void attendre_jusqua(double echeance_s)
    {
        while (maintenant_s() < echeance_s) {
        }
    }

    // While a signal's elements are timed: asks the system to wake the thread on time, however
    // busy the computer (the shortest timer slack, a higher scheduling priority where the system
    // grants it, silently nothing where it does not); false gives the usual treatment back.
    virtual void chronometrer(bool /*actif*/) {}
};

} // namespace optolink
