#pragma once

#include "poste/poste.h"

namespace optolink {

// "Envoi du message en morse rapide": calibrates its timing for a second, then sends Texte1 as a
// 1 s start mark, a 0.35 s gap, the calibration letter c, the message (dots of 0.05 × dureebit s,
// dashes three dots), and keeps the laser dark until the receiving interface has stopped
// recording. The window does not respond from the start mark to the end of the message.
void Btonenvoi_morserapide_Click(Poste& poste);

} // namespace optolink
