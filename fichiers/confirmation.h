#pragma once

#include "poste/boites.h"
#include "poste/etat.h"

#include <QString>

namespace optolink {

// What Ok does in the save dialog, once the chosen path is known (the open dialog's is with the
// file decoders).

// enregistrefichier: nomfichier and nomfichierenr take the path, and tabmesures is written as it
// is now, up to nbmesuresmax. A failed write is told in a box with its reason; a file already
// there is then left as it was.
void confirmer_enregistrefichier(Boites& boites, Etat& etat, const QString& chemin);

} // namespace optolink
