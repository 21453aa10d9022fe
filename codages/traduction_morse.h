#pragma once

#include "poste/caractere_code.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace optolink {

struct MessageMorse {
    QString message;
    QString affichagemorse; // display groups of the decoded characters, "... (s) --- (o) "
    // Every group of dots and dashes read, known or not, and every blank of the message.
    std::vector<CaractereCode> caracteres;
};

// Turns received dots, dashes and spaces into characters. One space ends a character; a run of
// k spaces between two characters puts k - 1 blanks into the message, as long as the look-ahead
// stays before the last two positions. The last character is never examined (after a normal end
// it is the space of the silence before the end marker). Unknown runs are dropped.
MessageMorse traduire_codemorse(QStringView codemorse);

} // namespace optolink
