#pragma once

#include "poste/poste.h"

namespace optolink {

// Sends Texte1 in slow Morse: 3 s start marker, 2 s pause, dots of 0.3 u and dashes of 1 u each
// followed by 0.3 u of dark, 1 u of dark per gap, 3 s end marker, 1 s trailer (u = dureebit).
void Btonenvoiemorse_Click(Poste& poste);

} // namespace optolink
