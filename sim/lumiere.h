#pragma once

#include <cstdint>
#include <random>

namespace optolink::sim {

// The light path between a laser and the facing photodiode, as the 82 kOhm assembly gives it.
struct ReglagesLumiere {
    double noir_v = 0.16;          // reading in the dark (2 raw units)
    double eclaire_v = 3.9;        // added while the facing laser is on, the photodiode against it
    double distance_m = 0;         // from the laser to the photodiode
    double bruit_v = 0;            // each reading moves by up to this much either way
    double derive_v = 0;           // ambient light: amplitude of a slow swing,
    double periode_derive_s = 0;   // ...of this period (0: a steady offset of derive_v)
    std::uint32_t graine = 1;      // the noise is the same for the same seed
};

// The beam of a classroom laser pointer: a spot of radius w0 at the laser that widens by its
// half-divergence θ, w(d) = w0 + θ·d, its light spread over the spot. A photodiode smaller than the
// spot catches the share of its area, so the light it receives falls as 1 / w(d)²:
//     eclaire(d) = eclaire_v · (d0 / (d0 + d))²   with d0 = w0 / θ,
// an attenuation of A(d) = 20·log10(1 + d / d0) dB against the laser's mouth.
constexpr double rayon_faisceau_m = 1e-3;   // w0
constexpr double divergence_rad = 0.5e-3;   // θ
constexpr double distance_caracteristique_m = rayon_faisceau_m / divergence_rad; // d0 = 2 m

// The share of the light that reaches the photodiode at distance_m, and its attenuation in dB.
double transmission(double distance_m);
double attenuation_db(double distance_m);
// The mean attenuation per metre between two distances: what a straight line through their
// attenuations gives.
double attenuation_db_m(double d1_m, double d2_m);

// The assembly saturates well before the input's 20 V range.
constexpr double tension_max_v = 7.8;

// The voltage on EA0 of one photodiode assembly.
class Photodiode {
public:
    Photodiode(const ReglagesLumiere& reglages, std::uint32_t graine);
    // The reading at instant_s, lit or not by the facing laser; between 0 and just under tension_max_v.
    double tension_v(double instant_s, bool eclairee);
    // New light from the next reading on; the noise goes on from where it was.
    void regler(const ReglagesLumiere& reglages) { reglages_ = reglages; }
    const ReglagesLumiere& reglages() const { return reglages_; }

private:
    ReglagesLumiere reglages_;
    std::mt19937 hasard_;
};

// The raw reading of the interface for a voltage: Int(v × 255 / 20), between 0 and 255.
int brut_ea(double tension_v);

} // namespace optolink::sim
