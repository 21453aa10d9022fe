#pragma once

#include "poste/lecture.h"
#include "liaison/interface.h"

#include <QString>

#include <vector>

namespace optolink {

enum class CodageRapide { morse, binaire };

// A recording as the signal view draws it: the samples, their period and what the decoder made
// of them.
struct Trace {
    CodageRapide codage = CodageRapide::morse;
    double periode_s = modes_vitesse[0].periode_s;
    std::vector<int> niveaux; // raw levels, from index 0
    Lecture lecture;
    QString code;    // codemorse or chainebits
    QString message; // as Texte2 shows it
    QString texte1;  // as Texte1 shows it at the end
    QString origine; // the file it was read from; empty for the last reception
    // The last reception's download: the line's rate and the time from "WGOR" to its end; none
    // for a file.
    int bauds = 0;
    double telechargement_s = 0;
};

} // namespace optolink
