#pragma once

#include "sim/lumiere.h"

#include <QString>

#include <array>
#include <variant>

namespace optolink::sim {

// A line typed to the bench while it runs, that sets the light of one end:
//     lumiere B distance=1.5 ambiante=0.3 bruit=0.05
// distance in metres from the facing laser, ambiante the steady ambient light in volts, bruit the
// noise in volts; the keys in any order, a decimal point or comma, a key left out keeps its value.
struct CommandeLumiere {
    int rang = 0; // 0 for A, 1 for B
    ReglagesLumiere reglages;
};

// The settings the line gives that end, from the ends' settings now; why not, in French.
std::variant<CommandeLumiere, QString> lire_commande_lumiere(const QString& ligne,
                                                             const std::array<ReglagesLumiere, 2>& actuels);

} // namespace optolink::sim
