#pragma once

#include "analyse/bilan.h"

#include <QStringList>

namespace optolink {

// The report of a reception as the class reads it, one line each: what arrived, the signal's
// duration, the unit and the rates (in Morse its words per minute), the levels with a notice when
// the signal is weak, the errors when the message sent is known, then the same message in the four
// codings at that speed (left out when not theorique).
QStringList lignes_bilan(const Bilan& bilan, bool theorique = true);

// How the errors are counted, for the report's legend.
QString legende_erreurs(bool binaire);

// The received text as rich text, the wrong characters in red on pink, a red "_" where a character
// is missing; blanks kept.
QString recu_marque(const QString& recu, const Erreurs& erreurs);

} // namespace optolink
