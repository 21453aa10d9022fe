#pragma once

#include <QString>

#include <ostream>

// Failures show the texts themselves. Every test file of the executable includes this, so that
// all of them print a QString the same way.
inline void PrintTo(const QString& texte, std::ostream* sortie) { *sortie << '"' << texte.toStdString() << '"'; }
