#pragma once

#include "sim/banc.h"
#include "sim/bench/ordonnanceur_reel.h"
#include "sim/bench/port_banc.h"

#include <QString>

#include <array>
#include <memory>

namespace optolink::sim {

// The light bench in real time: two simulated interfaces facing each other, each served on a
// pseudo-terminal and published under a port number. Runs in the Qt event loop of its thread.
class BancReel {
public:
    BancReel(const ReglagesLumiere& reglages, std::array<int, 2> numeros, const QString& dossier);

    // Empty when both ports are served; otherwise why not, in French.
    QString erreur() const;
    OrdonnanceurReel& temps() { return temps_; }
    InterfaceSimulee& interface(int rang) { return banc_.interface(rang); }
    const PortBanc& port(int rang) const { return *ports_.at(rang); }

private:
    OrdonnanceurReel temps_;
    Banc banc_;
    std::array<std::unique_ptr<PortBanc>, 2> ports_;
};

} // namespace optolink::sim
