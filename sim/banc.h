#pragma once

#include "sim/interface_simulee.h"
#include "sim/lumiere.h"
#include "sim/ordonnanceur.h"

#include <array>
#include <memory>

namespace optolink::sim {

// Two interfaces facing each other: A's laser lights B's photodiode and B's lights A's.
class Banc {
public:
    Banc(Ordonnanceur& temps, const ReglagesLumiere& reglages);
    Banc(const Banc&) = delete;
    Banc& operator=(const Banc&) = delete;

    // 0 is A, 1 is B.
    InterfaceSimulee& interface(int rang) { return *interfaces_.at(rang); }

private:
    std::array<Photodiode, 2> photodiodes_;
    std::array<std::unique_ptr<InterfaceSimulee>, 2> interfaces_;
};

} // namespace optolink::sim
