#pragma once

#include "app/poste/poste.h"

namespace optolink {

// Receive-wait routine of slow Morse: waits for a start marker of at least 1.5 s, times the
// pulses (dot 0.1 u to 0.5 u, dash up to 1.5 u) and the silences (a blank every 1.2 u), ends on
// a pulse of 1.5 u or more or after 7 silent periods, and shows the decoded message in Texte2.
// Returns when typecodage is no longer slow Morse.
void attentereceptionmorse(Poste& poste);

} // namespace optolink
