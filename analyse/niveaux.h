#pragma once

#include "poste/signaux.h"
#include "poste/trace.h"

#include <QString>

#include <optional>
#include <span>

namespace optolink {

// The two levels of a reception as the decoder saw them, against its threshold: how far the light
// stands above the dark, and how much room the dark leaves below the threshold.
struct Niveaux {
    double haut_v = 0;  // the median of the light readings
    double bas_v = 0;   // the median of the dark readings
    double seuil_v = 0;
    double ecart_v() const { return haut_v - bas_v; }
    double marge_v() const { return seuil_v - bas_v; }
    // Less than a quarter of the difference between the levels: a little ambient light or noise
    // and the dark reads as light.
    bool faible() const { return marge_v() < ecart_v() / 4; }
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
