#pragma once

#include "poste/poste.h"
#include "poste/routine.h"
#include "sim/banc.h"
#include "sim/com_simule.h"
#include "postes_virtuels/boites_muettes.h"
#include "postes_virtuels/station_virtuelle.h"
#include "sim/temps_virtuel.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace optolink::essai {

// The routines of one coding.
struct Codage {
    optolink::Codage typecodage;
    Routine envoyer;    // the send button's handler
    Routine attendre;   // the receive-wait routine
    int intervalle_ms;  // the timer interval the menus advise
};
Codage morse_lent();
Codage binaire_lent();
Codage morse_rapide();
Codage binaire_rapide();

// Two stations facing each other on the simulated bench, each as start-up leaves it.
class DeuxPostes {
public:
    explicit DeuxPostes(const sim::ReglagesLumiere& reglages = {});

    struct Echange {
        bool complet = false;     // both routines ended before the time limit
        double debut_envoi_s = 0; // the click on A's send button
        double fin_envoi_s = 0;   // A's handler returned
    };

    // Both stations wait in the receive-wait routine of the coding; at clic_s the user of A types
    // texte and presses the send button. B's routine is stopped attente_s after A's handler has
    // returned (a coding change, as from the menu). The state of B is then in posteB.
    Echange echanger(const Codage& codage, const QString& texte, double dureebit, int intervalle_ms,
                     double attente_s = 1.0);

    // When the user of A presses the send button, on a fresh bench.
    static constexpr double clic_s = 1.5;

    sim::TempsVirtuel temps;
    sim::ReglagesLumiere reglages;
    sim::Banc banc;
    sim::ComSimule comA;
    sim::ComSimule comB;
    sim::TempsVirtuel::Acteur& acteurA;
    sim::TempsVirtuel::Acteur& acteurB;
    std::unique_ptr<Minuterie> minuterieA;
    std::unique_ptr<Minuterie> minuterieB;
    BoitesMuettes boites;
    Poste posteA;
    Poste posteB;
    // Runs inside A's yields while A sends, at the given delay after the click (a menu entry...).
    std::function<void()> pendant_envoi;
    double pendant_envoi_apres_s = 0;
};

// Both interfaces reached through USB links as classrooms have them: 1 ms frames, the computer
// late by up to delai_hote_max_s before each write, the adapters' 16 ms latency timer.
void relier_par_usb(DeuxPostes& postes, std::uint32_t graine, double delai_hote_max_s = 0.001);

// Lengths of the successive light and dark periods of a station's laser, from its first light.
std::vector<double> durees_laser(const sim::InterfaceSimulee& interface);

// State left by start-up: link opened, timer running, threshold = dark reading + 0.5 V measured
// after more than 1 s, Texte1 empty, Texte2 locked, font 16, the given coding and speed.
void demarrer(Poste& poste, optolink::Codage typecodage, double dureebit, int intervalle_ms);

// Station B of a bench, whose reading is scripted exactly (clock reads take no time, the timer
// reads nothing): light is 5 V, dark 0 V, the threshold 1 V.
class PosteScripte : public StationVirtuelle<sim::ComSimule> {
public:
    static constexpr double noir_v = 0;
    static constexpr double seuil_v = 1;
    static constexpr double clair_v = 5;

    PosteScripte(optolink::Codage typecodage, double dureebit);

    // The reading becomes tension_v at instant_s.
    void lire_a(double instant_s, double tension_v);
    // From debut_s, alternately light and dark for the given durations; returns the end.
    double signal(double debut_s, std::initializer_list<double> durees);
    // Runs the receive-wait routine until fin_s.
    void recevoir(const Routine& attendre, double fin_s);
};

} // namespace optolink::essai
