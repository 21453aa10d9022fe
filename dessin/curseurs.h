#pragma once

#include "poste/trace.h"

#include <QString>

#include <optional>

namespace optolink {

// Two vertical cursors on a recording, in seconds from its first sample, placed by the user to
// measure a duration.
struct Curseurs {
    std::optional<double> t1_s;
    std::optional<double> t2_s;
    bool complets() const { return t1_s && t2_s; }
};

// What the two cursors measure: the interval, its inverse, the samples it spans and what that is
// worth in the unit the decoder learnt (bits in binary, dots in Morse; 0 when it learnt none).
struct MesureCurseurs {
    double t1_s = 0;
    double t2_s = 0;
    double dt_s = 0; // t2 - t1, of either sign
    double inverse_hz = 0;
    double echantillons = 0;
    double unites = 0;
    QString nom_unite; // "bits" or "points"
};
std::optional<MesureCurseurs> mesurer(const Curseurs& curseurs, const Trace& trace);

// The instant of the edge nearest t_s (the first sample on the other side of the decoder's level),
// t_s itself when the recording has none.
double front_le_plus_proche(const Trace& trace, double t_s);

// "t1 = 0,1300 s   t2 = 0,2002 s   Δt = 70,2 ms   1/Δt = 14,2 Hz   54 échantillons = 1,00 bits".
QString texte_mesure(const MesureCurseurs& m);

} // namespace optolink
