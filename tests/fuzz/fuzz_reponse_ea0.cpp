#include "liaison/liaison.h"
#include "postes_virtuels/com_scriptee.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace optolink;
using essai::ComScriptee;

namespace {
struct HorlogeArretee final : Horloge {
    double maintenant_s() override { return 0; }
};
} // namespace

// Any bytes as the reply to the EA0 request of a timer tick: the voltage read is a number,
// the last one kept when the reply is refused.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    ComScriptee com;
    HorlogeArretee horloge;
    Liaison liaison(com, horloge);
    com.setPortOpen(true);
    com.a_lire = QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureEa0 lu = liaison.Minuterie_Timer();
    if (lu.tension_v && !std::isfinite(*lu.tension_v))
        std::abort();
    return 0;
}
