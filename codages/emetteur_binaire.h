#pragma once

#include "poste/poste.h"

namespace optolink {

// Sends Texte1 in slow binary: 5.68 s start marker, 1.136 s pause, then per character a 9-bit
// frame (start bit and Windows-1252 code) and a dark separator, one dark slot per space, one more
// dark slot, 6.818 s end marker and 1 s trailer; a slot lasts 0.568 u (u = dureebit).
void Btonenvoiebinaire_Click(Poste& poste);

} // namespace optolink
