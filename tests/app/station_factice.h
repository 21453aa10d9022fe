#pragma once

#include "app/poste/poste.h"
#include "sim/temps_virtuel.h"
#include "tests/app/boites_scriptees.h"
#include "tests/app/com_factice.h"

#include <memory>

namespace optolink::essai {

// One station in virtual time, on a test port, with scripted boxes. terminer only records.
struct StationFactice {
    sim::TempsVirtuel temps;
    sim::TempsVirtuel::Acteur& acteur = temps.acteur("A");
    std::unique_ptr<Minuterie> minuterie = acteur.nouvelle_minuterie();
    ComFactice com;
    BoitesScriptees boites;
    Poste poste{acteur, acteur, *minuterie, com, boites};
    int terminaisons = 0;

    StationFactice()
    {
        poste.terminer = [this] { ++terminaisons; };
    }
    // Runs a routine of this station in virtual time, up to limite_s.
    bool executer(std::function<void()> routine, double limite_s = 60)
    {
        return temps.executer({{&acteur, std::move(routine)}}, limite_s);
    }
};

} // namespace optolink::essai
