#pragma once

#include "banc/ordonnanceur_reel.h"
#include "banc/port_banc.h"
#include "sim/extremite.h"
#include "sim/interface_simulee.h"
#include "sim/lumiere.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace optolink::sim {

// The light bench in real time: two ends facing each other, A's laser lighting B's photodiode and
// B's lighting A's, each served on a pseudo-terminal and published under a port number. An end is
// a simulated interface, or a simulated board where one is built. Runs in the Qt event loop of its
// thread.
class BancReel {
public:
    // Builds a board for one end, named nom, whose A0 reads tension_v at each instant of the world's
    // time; an empty one leaves the simulated interface there.
    using FabriqueCarte = std::function<std::unique_ptr<Extremite>(
        Ordonnanceur& temps, const QString& nom, std::function<double(double instant_s)> tension_v)>;

    BancReel(const ReglagesLumiere& reglages, std::array<int, 2> numeros, const QString& dossier,
             const std::array<FabriqueCarte, 2>& cartes = {});

    // Empty when both ports are served; otherwise why not, in French.
    QString erreur() const;
    OrdonnanceurReel& temps() { return temps_; }
    bool carte(int rang) const { return !interfaces_.at(rang); }
    // The simulated interface at that end; not for a board.
    InterfaceSimulee& interface(int rang) { return *interfaces_.at(rang); }
    Extremite& extremite(int rang) { return *extremites_.at(rang); }
    const PortBanc& port(int rang) const { return *ports_.at(rang); }
    // The light of the photodiode at that end (its distance from the facing laser, the ambient light,
    // the noise), from its next reading on; from the bench's thread, while it runs.
    void regler_lumiere(int rang, const ReglagesLumiere& reglages) { photodiodes_.at(rang).regler(reglages); }
    const ReglagesLumiere& lumiere(int rang) const { return photodiodes_.at(rang).reglages(); }

private:
    OrdonnanceurReel temps_;
    std::array<Photodiode, 2> photodiodes_;
    std::array<std::unique_ptr<InterfaceSimulee>, 2> interfaces_;
    std::array<std::unique_ptr<Extremite>, 2> extremites_;
    std::array<std::unique_ptr<PortBanc>, 2> ports_;
};

} // namespace optolink::sim
