#pragma once

#include <cstdint>
#include <random>

namespace optolink::sim {

// The light path between a laser and the facing photodiode, as the 82 kOhm assembly gives it.
struct ReglagesLumiere {
    double noir_v = 0.16;          // reading in the dark (2 raw units)
    double eclaire_v = 3.9;        // added while the facing laser is on
    double bruit_v = 0;            // each reading moves by up to this much either way
    double derive_v = 0;           // ambient light: amplitude of a slow swing,
    double periode_derive_s = 0;   // ...of this period (0: a steady offset of derive_v)
    std::uint32_t graine = 1;      // the noise is the same for the same seed
};

// The assembly saturates well before the input's 20 V range.
constexpr double tension_max_v = 7.8;

// The voltage on EA0 of one photodiode assembly.
class Photodiode {
public:
    Photodiode(const ReglagesLumiere& reglages, std::uint32_t graine);
    // The reading at instant_s, lit or not by the facing laser; between 0 and just under tension_max_v.
    double tension_v(double instant_s, bool eclairee);

private:
    ReglagesLumiere reglages_;
    std::mt19937 hasard_;
};

// The raw reading of the interface for a voltage: Int(v × 255 / 20), between 0 and 255.
int brut_ea(double tension_v);

} // namespace optolink::sim
