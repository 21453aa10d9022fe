#pragma once

#include "liaison/ports.h"

namespace optolink {

// The folder where the simulated bench of this user publishes its ports.
QString dossier_banc();

// The bench's live ports and the serial devices present on this computer right now.
PortsPresents ports_presents();

} // namespace optolink
