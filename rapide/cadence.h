#pragma once

#include "codages/attente.h"
#include "liaison/horloge.h"
#include "liaison/liaison.h"

namespace optolink {

// Passes of a clock-reading loop in one second, counted without yielding: the window is frozen
// for that second.
long compter_passages(Horloge& horloge);

// A length given in passes of the calibration loop, in seconds: the time those passes of a
// clock-reading loop take. A bare counting loop would be many times faster than the calibration
// and its speed would depend on the compiler and the processor; timed by the clock, an element
// keeps its nominal length on every machine, and a floor of 10 passes still means the time of
// 10 calibration passes.
inline double duree_passages_s(long passages, long nbpassages)
{
    return static_cast<double>(passages) / static_cast<double>(nbpassages);
}

// The elements of a signal, one after the other, timed against the clock: each writes its level
// once, then the thread sleeps, running no event, until the element's end. Every end is counted
// from the start of the first element, so a late wake-up shortens the next element instead of
// shifting the rest of the signal. From the first element to the end of the cadence, the thread
// asks to be woken on time however busy the computer is.
class Cadence {
public:
    Cadence(Liaison& liaison, Horloge& horloge);
    ~Cadence();
    Cadence(const Cadence&) = delete;
    Cadence& operator=(const Cadence&) = delete;
    void element(CommandeLaser commande, double duree_s);

private:
    Liaison& liaison_;
    Horloge& horloge_;
    double fin_s_;
};

} // namespace optolink
