#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"

namespace optolink {

// Receive-wait routine of fast binary: on a light of 0.45 s or more, records and downloads the
// signal through the interface's memory, slices it into bits and frames, reports the message and
// its bit groups, and offers to save the recording when enregistrebin is "oui". Returns when
// typecodage is no longer "br".
void attentereceptionbinairerapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements);

} // namespace optolink
