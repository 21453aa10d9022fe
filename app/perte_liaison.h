#pragma once

#include "app/poste.h"

namespace optolink {

// Tells the user once when the interface disappears while the port is open (unplugged, bench
// stopped); the program stays alive, its readings then stay at their last value.
void surveiller_liaison(Poste& poste);

} // namespace optolink
