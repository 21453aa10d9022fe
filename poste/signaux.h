#pragma once

#include "poste/crochet.h"
#include "poste/trace.h"

#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace optolink {

struct TensionLue {
    double t_s;
    double tension_v;
};

// A light pulse as a slow receiver classified it: ".", "-", a run of "1", "début" or "fin"
// (the start and end markers), "?" when it fitted nothing.
struct ImpulsionLente {
    double debut_s;
    double fin_s;
    QString sorte;
};

// What the signal window shows, kept as the station runs whether the window is open or not: the
// readings of the last seconds with the pulses the slow receivers saw in them, and the last
// fast recording with its decoder's reading.
class Signaux {
public:
    static constexpr double duree_direct_s = 15;

    void noter_tension(double t_s, double tension_v);
    void noter_impulsion(double debut_s, double fin_s, const QString& sorte);
    void noter_enregistrement(Trace trace) { dernier_ = std::move(trace); }
    // Every receiver calls it when its message is shown.
    void reception_terminee();

    const std::deque<TensionLue>& tensions() const { return tensions_; }
    const std::deque<ImpulsionLente>& impulsions() const { return impulsions_; }
    // Every pulse from the last start marker on, however old: the slow reception's report reads them.
    const std::vector<ImpulsionLente>& derniere_reception_lente() const { return reception_lente_; }
    const std::optional<Trace>& dernier_enregistrement() const { return dernier_; }
    // Changes with every new reading or pulse, so that a view repaints only when needed.
    std::uint64_t version() const { return version_; }

    Crochet<> surReception;

private:
    void oublier_avant(double t_s);

    std::deque<TensionLue> tensions_;
    std::deque<ImpulsionLente> impulsions_;
    std::vector<ImpulsionLente> reception_lente_;
    std::optional<Trace> dernier_;
    std::uint64_t version_ = 0;
};

} // namespace optolink
