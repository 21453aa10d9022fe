#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <limits>

namespace optolink {

// The number at the start of a text: leading blanks skipped, "." as decimal point, reading stops
// at the first character that cannot continue the number; no number gives 0. With
// blancs_ignores, blanks inside the number are skipped too ("3 7" reads 37).
double nombre_en_tete(QStringView texte, bool blancs_ignores = false);
double nombre_en_tete(QByteArrayView texte, bool blancs_ignores = false);

// Nearest integer, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
long long arrondi_pair(double x);

// A number as the interface and the files want it: one leading blank when it is not negative
// (6400 gives " 6400"), a minus sign otherwise.
QString texte_nombre(long long n);

// A number as the French read it: a decimal comma, decimales digits after it.
QString nombre_fr(double x, int decimales);

// Junk text or a wild voltage can give a number far beyond any sample: it saturates to the 16-bit
// range of a sample instead of overflowing (NaN gives 0).
double borne16(double x);

// A downloaded sample: the number the interface sent for it, as the text of one or two characters
// before its ',' reads ("37" is 37, ".5" is 0.5, "5a" is 5, "x" is 0); sans_mesure (NaN) for an
// entry no download wrote.
using Mesure = double;
inline constexpr Mesure sans_mesure = std::numeric_limits<double>::quiet_NaN();
inline bool mesuree(Mesure m) { return m == m; }

// The raw level a decoder reads from a sample: rounded to the nearest integer (a half to the even
// neighbour) and held to the 16-bit range; no sample reads 0.
int niveau(Mesure m);

} // namespace optolink
