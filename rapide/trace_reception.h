#pragma once

#include "liaison/nombres.h"
#include "poste/trace.h"

#include <QIODevice>
#include <QString>

#include <span>
#include <vector>

namespace optolink {

// The last live reception: tabmesures(0) to tabmesures(nbmesuresmax) as downloaded.
std::vector<int> niveaux_table(std::span<const Mesure> tabmesures, int nbmesuresmax);

// A saved recording, read from its start and decoded by the file decoder of its coding.
Trace trace_fichier(QIODevice& fichier, CodageRapide codage, double periode_s);

// The recording as the live receiver decodes it, seuilbrut being its first raw level.
Trace trace_table(std::span<const Mesure> tabmesures, int nbmesuresmax, int seuilbrut, CodageRapide codage,
                  double periode_s);

} // namespace optolink
