#pragma once

#include <QObject>

namespace optolink::sim {

// Turns Ctrl-C and SIGTERM into a clean end of the Qt event loop, so that the objects of the
// program are destroyed (the bench removes its published ports).
void quitter_sur_signal();

} // namespace optolink::sim
