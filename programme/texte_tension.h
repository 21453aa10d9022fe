#pragma once

#include <QLocale>
#include <QString>

namespace optolink {

// A voltage as the start-up messages show it, pattern "0#.#0": at least two integer digits and
// exactly two decimals (rounded half away from zero), with the locale's decimal separator.
// 3.9 gives "03,90" and 12.345 gives "12,35" in French.
QString texte_tension(double tension_v, const QLocale& langue = QLocale());

} // namespace optolink
