#pragma once

#include "poste/poste.h"

namespace optolink {

// "Laser allumé en continu (mesures)": the station's laser held on through the link, a steady
// beam for the facing station to measure the light it receives. A send, a change of coding and
// Quit put it out first, so that no signal starts with the laser already on.
void basculer_laser_continu(Poste& poste);
// Puts it out when it is held on; nothing otherwise.
void eteindre_laser_continu(Poste& poste);

} // namespace optolink
