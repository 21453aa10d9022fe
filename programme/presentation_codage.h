#pragma once

#include "poste/codes.h"
#include "poste/fenetre.h"
#include "liaison/minuterie.h"

#include <QString>

namespace optolink {

// How the window presents each coding. Start-up and the coding entries
// of the menu share these pieces.

// The coding's own send button enabled; beside a fast button, the slow button of the other
// coding stays visible but disabled; every other send button hidden and disabled.
void boutons_envoi(FenetrePrincipale& f, Codage code);
// Window caption, Etiquette1 caption and the check marks of the two slow coding entries.
void libelles_codage(FenetrePrincipale& f, Codage code);
// The reading-interval entries (enabled only in the slow codings) and the timer interval.
void minuterie_codage(FenetrePrincipale& f, Minuterie& minuterie, Codage code);
// The quiz entries are offered only in the fast codings.
void questions_codage(FenetrePrincipale& f, Codage code);

// The advice shown in Texte1 during the start-up dialogue.
QString conseil_demarrage(Codage code);

} // namespace optolink
