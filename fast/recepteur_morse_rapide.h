#pragma once

#include "poste/poste.h"

namespace optolink {

// Receive-wait routine of fast Morse: on a light of 0.45 s or more, records and downloads the
// signal through the interface's memory, decodes it, shows the message in Texte2 and the code in
// Texte1, and offers to save the recording. Returns when typecodage is no longer fast Morse.
void attentereceptionmorserapide(Poste& poste);

} // namespace optolink
