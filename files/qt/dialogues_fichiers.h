#pragma once

#include "app/poste.h"

class QWidget;

namespace optolink {

// Fills the main window's two hooks: each shows its dialog beside the window, modeless, with the
// opener's caption. A dialog still open is brought forward with the new caption rather than
// opened twice.
void fournir_dialogues_fichiers(Poste& poste, QWidget* fenetre);

} // namespace optolink
