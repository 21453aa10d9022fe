#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include <QString>

namespace optolink {

// The file decoders as the open dialog runs them: the recording saved in nomfichier (copied to
// nomfichierlu) is decoded while its symbols are reported as they come, with a repaint a few times a
// second, then the message is reported as after a live reception, and message (with chainebits
// and textebits for binary) holds the result. The timer is off while the file is read; tabmesures and nbmesures
// are left alone, so the last recording can still be saved.
//
// A file that cannot be opened leaves the window as it was: a box names the file and the
// reason, and the timer runs again.
void decode_fichiermorserap(const Plateforme& plateforme, Etat& etat, Evenements& evenements);
void decode_fichierbinrap(const Plateforme& plateforme, Etat& etat, Evenements& evenements);

// What Ok does in the open dialog (lecturefichier), once the chosen path is known: nomfichier and
// nomfichierlu take the path, then the decoder of typedecodage ("br", then "mr") runs on it.
void confirmer_lecturefichier(const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                              const QString& chemin);

} // namespace optolink
