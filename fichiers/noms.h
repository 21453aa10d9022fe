#pragma once

#include <QChar>
#include <QDir>
#include <QString>

namespace optolink {

// The separator of the paths the dialogs show and build: "\" on Windows, "/" elsewhere.
inline QChar separateur_systeme() { return QDir::separator(); }

// The directory, a separator and the name; none is added after a directory that already ends
// with one (a root such as "C:\" or "/").
QString chemin_complet(const QString& repertoire, const QString& nom, QChar separateur = separateur_systeme());

// True when the text, each character in upper case, is a name part (name characters with at most one "*" after
// them, or a lone "*") and optionally a dot, name characters and at most one "*". The name
// characters are the letters A to Z, the digits and ' - _ # ~ ? @. The scan stops at a "$"
// appended as end marker, so a "$" typed after the first character also ends it with true.
bool nom_valide(const QString& texte);

// True when the text holds "?" or "*": a pattern, not a name.
bool contient_joker(const QString& texte);

} // namespace optolink
