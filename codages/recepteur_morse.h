#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"

namespace optolink {

// Receive-wait routine of slow Morse: waits for a start marker of at least 1.5 s, times the
// pulses (dot 0.1 u to 0.5 u, dash up to 1.5 u) and the silences (a blank every 1.2 u), ends on
// a pulse of 1.5 u or more or after 7 silent periods, and reports the dots and dashes as they come
// and the decoded message.
// Returns when typecodage is no longer "m".
void attentereceptionmorse(const Plateforme& plateforme, Etat& etat, Evenements& evenements);

} // namespace optolink
