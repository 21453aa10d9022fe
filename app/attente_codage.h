#pragma once

#include "app/poste.h"

namespace optolink {

// The receive-wait routine of a coding whose receiver is not built yet: shows the window,
// keeps the voltage reading running and handles the user's actions until the coding changes.
void attendre_changement_codage(Poste& poste);

} // namespace optolink
