#pragma once

#include "app/poste.h"

namespace optolink {

// "E&ffacer le message affiché pour envoi": empties Texte1, nothing else.
void Btonefface_Click(Poste& poste);
// "&Quitter": closes the port and ends the program at once, whatever routine is running.
void Btonquitter_Click(Poste& poste);

} // namespace optolink
