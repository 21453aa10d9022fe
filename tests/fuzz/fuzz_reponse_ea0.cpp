#include "link/liaison.h"
#include "tests/link/com_scriptee.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace optolink;

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
    Etat etat;
    Liaison liaison(com, horloge, etat);
    com.setPortOpen(true);
    etat.tensionlue = 1.5;
    com.a_lire = QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    liaison.Minuterie_Timer();
    if (!std::isfinite(etat.tensionlue))
        std::abort();
    return 0;
}
