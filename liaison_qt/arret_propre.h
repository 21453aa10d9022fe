#pragma once

#include <QObject>

namespace optolink {

// Turns the requests to stop into a clean end of the Qt event loop, so that the objects of the
// program are destroyed (the bench removes its published ports): Ctrl-C, SIGTERM and the session's
// end (SIGHUP) on Linux; Ctrl-C, the console's closing and the session's end on Windows.
void quitter_sur_signal();

} // namespace optolink
