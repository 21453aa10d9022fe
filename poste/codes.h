#pragma once

#include <QString>

namespace optolink {

// The codes of the four codings, as typecodage and typedecodage hold them.
inline const QString code_morse = QStringLiteral("m");
inline const QString code_binaire = QStringLiteral("b");
inline const QString code_morse_rapide = QStringLiteral("mr");
inline const QString code_binaire_rapide = QStringLiteral("br");

inline bool est_rapide(const QString& code) { return code == code_morse_rapide || code == code_binaire_rapide; }

// The two values of the save prompts enregistremorse and enregistrebin.
inline const QString oui = QStringLiteral("oui");
inline const QString non = QStringLiteral("non");

inline bool est_oui(const QString& drapeau) { return drapeau == oui; }

} // namespace optolink
