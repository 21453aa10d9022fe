#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"

namespace optolink {

// Receive-wait routine of fast Morse: on a light of 0.45 s or more, records and downloads the
// signal through the interface's memory, decodes it, reports the message and its code, and offers
// to save the recording when enregistremorse is "oui". Returns when typecodage is no longer "mr".
void attentereceptionmorserapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements);

} // namespace optolink
