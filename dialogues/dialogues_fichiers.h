#pragma once

#include "poste/poste.h"

class QWidget;

namespace optolink {

// The main window's two dialog hooks, held while the window lives.
struct DialoguesFournis {
    Crochet<const QString&>::Branchement lecture;
    Crochet<const QString&>::Branchement enregistrement;
};

// Fills the main window's two hooks: each shows its dialog beside the window, modeless, with the
// opener's caption. A dialog still open is brought forward with the new caption rather than
// opened twice.
DialoguesFournis fournir_dialogues_fichiers(Poste& poste, QWidget* fenetre);

} // namespace optolink
