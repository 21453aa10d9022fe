#pragma once

#include "poste/fenetre.h"

namespace optolink {

// The main window as designed, before start-up adapts it to the chosen coding.
FenetrePrincipale fenetre_conception();

} // namespace optolink
