#pragma once

#include <QString>

namespace optolink {

// A character as a receiver rebuilt it from its code string (codemorse or chainebits), with the
// positions (from 0, both included) of the symbols it came from, so that a view can show which
// part of the signal gave it.
struct CaractereCode {
    QString texte;        // as it entered the message; empty for an unknown Morse group
    qsizetype premier = 0;
    qsizetype dernier = 0;
};

} // namespace optolink
