#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "codages/attente.h"

namespace optolink {

// What the two fast transmitters share after their signal: the laser off, the silence until
// nbmesuresmax × periodemesure + 2 s after debutenvoi with its progress reported, the signal
// reported as played, then the laser kept dark for duree_noir_s, yielding before each write or
// not at all.
void finir_envoi_rapide(Laser& laser, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                        double debutenvoi, double duree_noir_s, bool ceder);

} // namespace optolink
