#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"
#include <QString>

namespace optolink {

// "Envoi du message en morse rapide": calibrates its timing for a second, then sends texte (the
// text typed in Texte1) as a 1 s start mark, a 0.35 s gap, the calibration letter c, the message (dots of 0.05 × dureebit s,
// dashes three dots), and keeps the laser dark until the receiving interface has stopped
// recording. The window does not respond from the start mark to the end of the message.
void Btonenvoi_morserapide_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                                 const QString& texte);

} // namespace optolink
