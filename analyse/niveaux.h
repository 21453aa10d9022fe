#pragma once

#include "poste/signaux.h"
#include "poste/trace.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <span>

namespace optolink {

// The two levels of a reception as the decoder saw them, against its threshold: how far the light
// stands above the dark, and how much room the dark leaves below the threshold.
struct Niveaux {
    double haut_v = 0; // the median of the light readings
    double bas_v = 0;  // the median of the dark readings
    double seuil_v = 0;
    double ecart_v() const { return haut_v - bas_v; }
    double marge_v() const { return seuil_v - bas_v; }
    // The dark too close below the threshold, or the light too close above it: less than a quarter
    // of the difference between the levels, and never more than 0.25 V asked (a little over three
    // steps of the interface). Without that cap the slow codings' threshold, 0.5 V above the dark
    // whatever the light, would call weak every strong signal.
    bool faible() const { return std::min(marge_v(), haut_v - seuil_v) < std::min(ecart_v() / 4, marge_suffisante_v); }
    static constexpr double marge_suffisante_v = 0.25;
};

// The notice the report shows when the signal is weak.
extern const QString avis_signal_faible;

// From the runs of the decoding scan: every sample of its light runs, every sample of its dark ones.
// Nothing when it read no run of either.
std::optional<Niveaux> niveaux(const Trace& trace);

// A slow reception from the live readings: those inside a pulse its receiver classified are light,
// the others between the first pulse's start and the last one's end are dark.
std::optional<Niveaux> niveaux_lents(const std::deque<TensionLue>& tensions, std::span<const ImpulsionLente> impulsions,
                                     double seuil_v);

} // namespace optolink
