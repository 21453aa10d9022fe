#pragma once

#include "analyse/bilan.h"

#include <QStringList>

namespace optolink {

// The report of a reception as the class reads it, one line each: what arrived, the signal's
// duration, the unit and the rates, then the same message in the four codings at that speed.
QStringList lignes_bilan(const Bilan& bilan);

} // namespace optolink
