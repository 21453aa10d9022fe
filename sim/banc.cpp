#include "sim/banc.h"

namespace optolink::sim {

namespace {
const char* const noms[] = {"A", "B"};
} // namespace

// Each photodiode has its own noise, drawn from the seed so that a run repeats exactly.
Banc::Banc(Ordonnanceur& temps, const ReglagesLumiere& reglages)
    : photodiodes_{Photodiode(reglages, reglages.graine), Photodiode(reglages, reglages.graine + 0x9e3779b9u)}
{
    for (int rang = 0; rang < 2; ++rang) {
        const int en_face = 1 - rang;
        interfaces_[rang] = std::make_unique<InterfaceSimulee>(temps, noms[rang], [this, rang, en_face, &temps] {
            return photodiodes_[rang].tension_v(temps.maintenant_s(), interfaces_[en_face]->laser_allume());
        });
    }
}

} // namespace optolink::sim
