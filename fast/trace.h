#pragma once

#include "fast/lecture.h"

#include <QIODevice>
#include <QString>

#include <span>
#include <vector>

namespace optolink {

enum class CodageRapide { morse, binaire };

// A recording as the signal view draws it: the samples, their period and what the decoder made
// of them.
struct Trace {
    CodageRapide codage = CodageRapide::morse;
    double periode_s = 0.0013;
    std::vector<int> niveaux; // raw levels, from index 0
    Lecture lecture;
    QString code;    // codemorse or chainebits
    QString message; // as Texte2 shows it
    QString texte1;  // as Texte1 shows it at the end
    QString origine; // the file it was read from; empty for the last reception
};

// Raw units to volts: 255 raw units stand for 20 V.
inline double volts(double niveau) { return niveau * 20 / 255; }

// The last live reception: tabmesures(0) to tabmesures(nbmesuresmax) as downloaded.
std::vector<int> niveaux_table(std::span<const QString> tabmesures, int nbmesuresmax);

// A saved recording, read from its start and decoded by the file decoder of its coding.
Trace trace_fichier(QIODevice& fichier, CodageRapide codage, double periode_s);

// The recording as the live receiver decodes it, seuilbrut being its first raw level.
Trace trace_table(std::span<const QString> tabmesures, int nbmesuresmax, int seuilbrut, CodageRapide codage,
                  double periode_s);

} // namespace optolink
