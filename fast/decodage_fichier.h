#pragma once

#include "poste/poste.h"

namespace optolink {

// The file decoders as the open dialog runs them on the main window: the recording saved in
// nomfichier (copied to nomfichierlu) is decoded while Texte1 shows the progress, then the window
// shows the message as after a live reception, and message (with chainebits and textebits for
// binary) holds the result. The timer is off while the file is read; tabmesures and nbmesures
// are left alone, so the last recording can still be saved.
//
// A file that cannot be opened leaves the window as it was: a box names the file and the
// reason, and the timer runs again.
void decode_fichiermorserap(Poste& poste);
void decode_fichierbinrap(Poste& poste);

// What Ok does in the open dialog (lecturefichier), once the chosen path is known: nomfichier and
// nomfichierlu take the path, then the decoder of typedecodage (binary, then Morse) runs on it.
void confirmer_lecturefichier(Poste& poste, const QString& chemin);

} // namespace optolink
