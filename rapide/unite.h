#pragma once

#include <span>

namespace optolink {

// The time unit of a fast recording (a Morse dot, a bit), fitted to every edge of the calibration
// pattern that opens it, and what a run of light or darkness is worth in that unit.
//
// Each edge of the pattern sits a known whole number of units from the first one. A straight line
// through all of them gives the unit with the errors of single edges (a late write, a sample's
// rounding) averaged out, where the width of a single pulse or gap would carry its whole error
// into every run it is compared with, eight times over on a run of eight bits. A light run may
// last a little longer than the same units of darkness (edges slower one way, the level not
// halfway): rising edges then come early and falling edges late by half of that asymmetry.
struct Unite {
    // An edge of the calibration pattern: the index of its first sample on the new side, and its
    // place in units after the pattern's first rising edge.
    struct Front {
        int indice;
        double position;
        bool montant;
    };

    double echantillons = 0; // samples in one unit
    double asymetrie = 0;    // samples a light run lasts beyond its units, and a dark run short of them

    // The least-squares fit; no unit (0) when the edges cannot give one.
    static Unite ajuster(std::span<const Front> fronts);

    // A unit of under two samples is no measure: it reads no run.
    bool valable() const { return echantillons >= 2; }
    // Samples of n units of light or of darkness.
    double longueur(double n, bool lumiere) const;
    // What a run of that many samples is worth, in units.
    double en_unites(int nb, bool lumiere) const;
    // Whether the edges have the pattern's shape: every run between two of them lies within
    // tolerance units of the units the sender puts there.
    bool concorde(std::span<const Front> fronts, double tolerance) const;
    // The nearest whole number of units, 1 to max, for a run; 0 when the nearest is none of them
    // or lies further than tolerance units from it.
    int entieres(int nb, bool lumiere, int max, double tolerance) const;
};

} // namespace optolink
