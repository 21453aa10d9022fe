#include "liaison_qt/processus_fenetre.h"

namespace optolink {

// Linux greys no window and slows no timer of a program in the background.
ProcessusFenetre preparer_processus_fenetre() { return {true, true, true}; }

} // namespace optolink
