#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"

#include <QString>

#include <functional>

namespace optolink {

// Light while the reading is strictly above the threshold, dark while strictly below;
// a reading equal to the threshold is neither.
inline bool lumiere(const Etat& etat) { return etat.tensionlue > etat.tensionseuil; }
inline bool obscurite(const Etat& etat) { return etat.tensionlue < etat.tensionseuil; }

// The receive-wait routine of every coding: tells that it waits, starts the timer, then waits for
// a light pulse of at least marqueur_min_s (fixed seconds) and runs recevoir when it ends; returns
// as soon as typecodage no longer holds code, so that the program can enter the routine of the new
// coding.
void attendre_reception(const Plateforme& plateforme, Etat& etat, Evenements& evenements, Codage code,
                        double marqueur_min_s, const std::function<void()>& recevoir);

// The yield that starts a pass of a reception, just before the clock reading that times what
// follows. It must not sleep past the reading that has just changed, or the timing would start a
// timer interval late; when the reading is neither light nor dark, nothing can be timed before
// the next reading, so it waits for it instead of spinning.
void ceder_avant_mesure(Boucle& boucle, const Etat& etat);

} // namespace optolink
