#pragma once

#include "poste/poste.h"

#include <QString>

namespace optolink {

// What the two fast transmitters share around their signal.

// "15 s" or "30 s": the longest message the receiving station records.
QString duree_enregistrement(const Etat& etat);

// preparer_envoi with " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ 15 s SVP" (or 30 s).
void preparer_envoi_rapide(Poste& poste, Bouton FenetrePrincipale::*bouton);

// The laser off, the silence until nbmesuresmax × periodemesure + 2 s after debutenvoi, then
// " ENVOI DU MESSAGE TERMINE " and the laser kept dark for duree_noir_s, yielding before each
// write or not at all.
void finir_envoi_rapide(Poste& poste, double debutenvoi, double duree_noir_s, bool ceder);

} // namespace optolink
