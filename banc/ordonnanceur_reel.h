#pragma once

#include "banc/reveil_precis.h"
#include "sim/ordonnanceur.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace optolink::sim {

// The world's time for the bench program: real time, events run from the Qt event loop of the
// thread that owns it. The line's characters are 1.04 ms apart, finer than a Qt timer's
// millisecond: the system's precise wake-up (ReveilPrecis) wakes the loop at the exact instant,
// without spinning; where it is refused, a Qt timer sleeps until the last millisecond and the loop
// turns until the event is due.
//
// The bench is an instrument: an event the loop runs late happened late for the programs and for
// the light (a byte, a laser, a board's step), and the loop says so. Events later than seuil_s in
// a row make one delay, told when an event is on time again, or every second while it lasts.
class OrdonnanceurReel final : public Ordonnanceur {
public:
    struct Retard {
        double debut_s;  // the first late event's due instant
        double fin_s;    // the last one's
        double pire_s;   // the latest any of them ran
        int evenements;
    };
    // About a character of the line, and two samples of the fastest recording.
    static constexpr double seuil_s = 0.001;

    OrdonnanceurReel();
    ~OrdonnanceurReel() override;
    OrdonnanceurReel(const OrdonnanceurReel&) = delete;
    OrdonnanceurReel& operator=(const OrdonnanceurReel&) = delete;

    double maintenant_s() const override;
    void programmer(double instant_s, std::function<void()> action) override;

    void surRetard(std::function<void(const Retard&)> action) { retard_signale_ = std::move(action); }
    // The latest an event has run since the bench started, or since it was last forgotten.
    double pire_retard_s() const { return pire_retard_s_; }
    void oublier_pire_retard() { pire_retard_s_ = 0; }

private:
    void armer();
    void echoir();
    void noter_retard(double du_s, double maintenant);

    QElapsedTimer depart_; // monotonic
    ReveilPrecis reveil_precis_;
    QTimer reveil_;
    std::multimap<double, std::function<void()>> evenements_; // same instant: in order of programming
    std::function<void(const Retard&)> retard_signale_;
    std::optional<Retard> retard_; // under way
    double pire_retard_s_ = 0;
};

} // namespace optolink::sim
