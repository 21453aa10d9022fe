#pragma once

#include "poste/poste.h"

namespace optolink {

// The start-up dialogue of the main window: coding, priority warning, port, wiring, opening
// of the link, optional receiver test, threshold measurement and defaults. True when the
// station is ready for its receive-wait routine; false when the user ended the program
// (poste.terminer has then been called).
bool demarrage(Poste& poste);

} // namespace optolink
