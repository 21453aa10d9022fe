#pragma once

#include "poste/plateforme.h"
#include "liaison/liaison.h"

namespace optolink {

// Tells the user once when the interface disappears while the port is open (unplugged, bench
// stopped), and once when it stops answering while the port stays open (frozen, switched off);
// the program stays alive, its readings are then those of a dark input.
void surveiller_liaison(const Plateforme& plateforme, Liaison& liaison);

} // namespace optolink
