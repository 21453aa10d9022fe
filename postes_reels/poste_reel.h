#pragma once

#include "poste/etat.h"
#include "liaison/liaison.h"
#include "liaison_qt/boucle_qt.h"
#include "liaison_qt/com_systeme.h"
#include "liaison_qt/horloge_qt.h"
#include "liaison_qt/minuterie_qt.h"

namespace optolink::mesures {

// What a station of the program uses of the platform: the Qt clock, yield, timer and serial port,
// and the link over them, its timer reading EA0.
struct PosteReel {
    HorlogeQt horloge;
    BoucleQt boucle{horloge};
    MinuterieQt minuterie;
    ComSysteme com;
    Etat etat;
    Liaison liaison{com, horloge};

    explicit PosteReel(int numeroport)
    {
        etat.numeroport = static_cast<std::int16_t>(numeroport);
        minuterie.surTic([this] { lire_ea0(); });
    }
    void lire_ea0() { etat.tensionlue = liaison.Minuterie_Timer().tension_v.value_or(etat.tensionlue); }
};

} // namespace optolink::mesures
