#pragma once

#include "postes_virtuels/synthese.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

// Readable failures in the tests.
inline void PrintTo(const QString& texte, std::ostream* flux) { *flux << '"' << texte.toStdString() << '"'; }

namespace synthese {

// One recording setting of the parameterised tests: the speed x 1, x 2 or x 3 with its sampling
// period, 6400 or 12800 samples, the light levels.
struct Cas {
    double periode_s;
    double dureebit;
    int nbmesuresmax;
    Niveaux niveaux;
    Reglage reglage() const
    {
        Reglage r;
        r.periode_s = periode_s;
        r.dureebit = dureebit;
        return r;
    }
};

inline std::vector<Cas> cas_courants()
{
    return {{0.0013, 1, 6400, {}}, {0.0008, 0.5, 6400, {10, 45, 3}}, {0.0005, 1.0 / 3, 12800, {0, 99, 0}},
            {0.0013, 1, 12800, {20, 70, 2}}};
}

// Test name of a setting: its sampling period and its number of samples.
inline std::string nom_cas(const testing::TestParamInfo<Cas>& info)
{
    const Cas& c = info.param;
    return "Periode" + std::to_string(std::lround(c.periode_s * 1e6)) + "us_" + std::to_string(c.nbmesuresmax) + "Mesures";
}

} // namespace synthese
