#pragma once

#include "poste/poste.h"

namespace optolink {

// Receive-wait routine of fast binary: on a light of 0.45 s or more, records and downloads the
// signal through the interface's memory, slices it into bits and frames, shows the message in
// Texte2 and the bit groups in Texte1, and offers to save the recording. Returns when typecodage
// is no longer fast binary.
void attentereceptionbinairerapide(Poste& poste);

} // namespace optolink
