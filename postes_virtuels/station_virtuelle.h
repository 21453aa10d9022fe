#pragma once

#include "poste/poste.h"
#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/lumiere.h"
#include "postes_virtuels/boites_muettes.h"
#include "postes_virtuels/boites_scriptees.h"
#include "postes_virtuels/com_factice.h"
#include "sim/temps_virtuel.h"

#include <functional>
#include <memory>
#include <utility>

namespace optolink::essai {

// How a station in virtual time is set up.
struct ReglagesStation {
    double pas_lecture_s = 20e-6;    // what each clock read costs (see sim::TempsVirtuel)
    int interface = 0;               // a simulated port's interface on the bench: 0 is A, 1 is B
    sim::ReglagesLumiere lumiere{};  // the bench's light
};

// The time a station runs in, made before its port, which may need it.
struct TempsDeStation {
    explicit TempsDeStation(double pas_lecture_s) : temps(pas_lecture_s) {}
    sim::TempsVirtuel temps;
};

// A test port stands on its own: what it reads is written by the test.
template <class ComT>
struct PortDeStation {
    PortDeStation(sim::TempsVirtuel&, const ReglagesStation&) {}
    ComT com;
};

// A simulated port is wired to one interface of a bench of its own, facing the other one's laser.
template <>
struct PortDeStation<sim::ComSimule> {
    PortDeStation(sim::TempsVirtuel& temps, const ReglagesStation& reglages)
        : banc(temps, reglages.lumiere), com(banc.interface(reglages.interface), temps)
    {
    }
    sim::Banc banc;
    sim::ComSimule com;
};

// One station of the program in virtual time, without its window: its port (a sim::ComSimule on
// a bench, or a test port such as ComScriptee or ComFactice) and its boxes (BoitesMuettes,
// BoitesScriptees, or the real ones on screen) are the parameters. terminer only counts, so that
// no routine ends the process running it.
template <class ComT = sim::ComSimule, class BoitesT = BoitesMuettes>
struct StationVirtuelle : TempsDeStation, PortDeStation<ComT> {
    explicit StationVirtuelle(const ReglagesStation& reglages = {})
        : TempsDeStation(reglages.pas_lecture_s), PortDeStation<ComT>(temps, reglages)
    {
        poste.terminer = [this] { ++terminaisons; };
    }
    StationVirtuelle(const StationVirtuelle&) = delete;
    StationVirtuelle& operator=(const StationVirtuelle&) = delete;

    sim::TempsVirtuel::Acteur& acteur = temps.acteur("A");
    std::unique_ptr<Minuterie> minuterie = acteur.nouvelle_minuterie();
    BoitesT boites;
    Poste poste{acteur, acteur, *minuterie, this->com, boites};
    int terminaisons = 0;

    // Runs a routine of this station in virtual time, up to limite_s.
    bool executer(std::function<void()> routine, double limite_s = 60)
    {
        return temps.executer({{&acteur, std::move(routine)}}, limite_s);
    }
};

// A station on a test port whose interface answers EA0 with a fixed reply, its boxes scripted.
using StationFactice = StationVirtuelle<ComFactice, BoitesScriptees>;

// Station A of a bench, facing B's laser, with the boxes given: scripted ones, or the real ones on
// screen.
template <class BoitesT>
using StationBanc = StationVirtuelle<sim::ComSimule, BoitesT>;

} // namespace optolink::essai
