#pragma once

#include "liaison/acces_refuse.h"

namespace optolink {

// The rights on the device at this path (a link is followed) and the running user's groups, as
// the system has them now.
DroitsPeripherique droits_du_peripherique(const QString& chemin);

} // namespace optolink
