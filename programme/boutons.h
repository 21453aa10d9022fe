#pragma once

#include "poste/routine.h"

#include <functional>

namespace optolink {

// "E&ffacer le message affiché pour envoi": empties Texte1, nothing else.
void Btonefface_Click(Poste& poste);
// "&Quitter": closes the port and ends the program at once, whatever routine is running.
void Btonquitter_Click(Poste& poste);

// A send button's action that does nothing while a send or a reception is under way, Texte1
// being locked then: the coding menu enables the button of the coding it chooses, and a send
// started inside the yields of another, or of a download, interleaved both on the laser and
// garbled what was being received.
std::function<void(Poste&)> hors_envoi(Routine envoi);

} // namespace optolink
