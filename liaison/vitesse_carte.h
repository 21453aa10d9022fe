#pragma once

#include "liaison/boucle.h"
#include "liaison/horloge.h"
#include "liaison/liaison.h"

#include <QString>

namespace optolink {

// Whether what arrived during the silence after the opening holds the board's greeting.
bool est_accueil_carte(const QString& recu);

// After the silence that follows the opening, with what arrived during it: a board that greeted is
// moved to its own rate and the line checked by a reading of EA0; when anything fails, both ends go
// back to 9600 baud, and the user is told nothing. An interface that did not greet is sent nothing.
// True when the line runs at the board's rate.
bool accelerer_si_carte(Liaison& liaison, Horloge& horloge, Boucle& boucle, const QString& recu);

} // namespace optolink
