#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"

namespace optolink {

// Receive-wait routine of slow binary: waits for a start marker of at least 3.5 s, samples the
// light into bits every 0.5 u, groups them into 9-bit frames (a blank per silent u between
// frames), ends on a frame of nine "1" followed by more than 0.5 s of light or after 7 silent
// periods, and reports the bits as they come and the decoded message with its frames.
// Returns when typecodage is no longer "b".
void attentereceptionbinaire(const Plateforme& plateforme, Etat& etat, Evenements& evenements);

} // namespace optolink
