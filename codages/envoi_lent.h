#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "codages/attente.h"

#include <QString>

#include <functional>

namespace optolink {

// What the two slow transmitters share: the start and end of a send, and the markers around the
// coded signal.
struct EnvoiLent {
    double marqueur_debut_s; // light, without yielding: the window does not respond
    double pause_s;          // dark
    double marqueur_fin_s;   // light
};

// What every transmitter does first: timer stopped, the send of the coding reported.
void commencer_envoi(Minuterie& minuterie, Evenements& evenements, Codage code);

// Start marker and pause, the coded signal played by corps, end marker, laser off, the signal
// reported as played, and the trailer.
void emettre_entre_marqueurs(Laser& laser, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                             const EnvoiLent& envoi, const std::function<void()>& corps);

// What every transmitter does last: the end of the send reported, timer restarted, one yield.
void terminer_envoi(const Plateforme& plateforme, Evenements& evenements, Codage code);

} // namespace optolink
