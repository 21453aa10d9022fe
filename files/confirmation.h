#pragma once

#include "app/poste.h"

#include <QString>

namespace optolink {

// What Ok does in the two file dialogs, once the chosen path is known.

// lecturefichier: nomfichier and nomfichierlu take the path, then the decoder of typedecodage
// ("br", then "mr") runs on it.
void confirmer_lecturefichier(Poste& poste, const QString& chemin);

// enregistrefichier: nomfichier and nomfichierenr take the path, and tabmesures is written as it
// is now, up to nbmesuresmax. A failed write is told in a box with its reason; a file already
// there is then left as it was.
void confirmer_enregistrefichier(Poste& poste, const QString& chemin);

} // namespace optolink
