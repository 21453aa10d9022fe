#pragma once

#include "poste/routine.h"

#include <QString>

#include <map>

namespace optolink {

// The receive-wait routine of each coding. Each runs while typecodage holds its coding and returns
// when it changes.
using Routines = std::map<Codage, Routine>;

// The program's main loop after start-up: runs the routine of the current coding and, when it
// returns, the routine of the new one. A change of coding ends one routine before the next
// begins, so the call depth stays the same however often the coding changes. Returns only when
// there is no coding or it has no routine.
void boucle_principale(Poste& poste, const Routines& routines);

} // namespace optolink
