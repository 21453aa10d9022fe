#pragma once

#include "app/poste/poste.h"
#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/temps_virtuel.h"

#include <memory>

namespace optolink::essai {

// Station A of a simulated bench in virtual time, facing station B's laser, with the boxes given:
// scripted ones, or the real Qt ones on screen.
template <class BoitesT>
struct StationBanc {
    sim::TempsVirtuel temps;
    sim::Banc banc{temps, {}};
    sim::ComSimule com{banc.interface(0), temps};
    sim::TempsVirtuel::Acteur& acteur = temps.acteur("A");
    std::unique_ptr<Minuterie> minuterie = acteur.nouvelle_minuterie();
    BoitesT boites;
    Poste poste{acteur, acteur, *minuterie, com, boites};
};

} // namespace optolink::essai
