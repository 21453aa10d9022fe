#pragma once

#include "liaison/boucle.h"
#include "liaison/horloge.h"
#include "liaison/minuterie.h"
#include "sim/ordonnanceur.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <queue>
#include <set>
#include <string>
#include <vector>

namespace optolink::sim {

// Thrown from a clock read or a yield of an actor when a run of executer() reaches its time limit.
struct ArretSimulation {};

// Virtual time for deterministic tests that never sleep. Time moves only when the code under
// test reads the clock (by pas_lecture_s) or yields (to its next event or deadline).
//
// Each station is an actor: a blocking routine with its own clock, yield and timer, exactly as
// it runs in the program. Several actors run on their own threads, but one at a time: the one
// furthest behind in time holds the token, so two stations' routines interleave as they would
// on two computers, and the run is the same every time. World events (the line, the light) run
// as the time passes, whatever actor moves it.
class TempsVirtuel final : public Ordonnanceur {
public:
    class Acteur;

    // Events run in time order; those due at the same instant in the order they were scheduled.
    struct Evenement {
        double instant;
        std::uint64_t ordre;
        std::function<void()> action;
        bool operator>(const Evenement& autre) const
        {
            return instant != autre.instant ? instant > autre.instant : ordre > autre.ordre;
        }
    };
    using FileEvenements = std::priority_queue<Evenement, std::vector<Evenement>, std::greater<>>;

    explicit TempsVirtuel(double pas_lecture_s = 20e-6);
    ~TempsVirtuel() override;
    TempsVirtuel(const TempsVirtuel&) = delete;
    TempsVirtuel& operator=(const TempsVirtuel&) = delete;

    double maintenant_s() const override { return t_monde_; }
    void programmer(double instant_s, std::function<void()> action) override;

    Acteur& acteur(const std::string& nom);

    struct Corps {
        Acteur* acteur;
        std::function<void()> routine;
    };
    // Runs every routine on its actor until each has returned or the time reaches limite_s,
    // where the routines still running are stopped. True when all returned by themselves.
    // An actor used outside executer() runs alone on the calling thread.
    bool executer(const std::vector<Corps>& corps, double limite_s);

    class Acteur final : public Horloge, public Boucle {
    public:
        double maintenant_s() override;
        void attendre_jusqua(double echeance_s) override { avancer_a(echeance_s); }
        void ceder(double echeance_s = jamais_s) override;
        // An event of this station's event loop (a tick, a click): it runs inside one of its yields.
        // Returns a number by which the event can be cancelled before it runs.
        std::uint64_t programmer(double instant_s, std::function<void()> action);
        void annuler(std::uint64_t evenement);
        std::unique_ptr<Minuterie> nouvelle_minuterie();
        const std::string& nom() const { return nom_; }
        double instant_s() const { return t_; }
        // The work this station has done: what a busy loop would pile up in little virtual time.
        std::uint64_t cessions() const { return cessions_; }
        std::uint64_t lectures_horloge() const { return lectures_horloge_; }

    private:
        friend class TempsVirtuel;
        Acteur(TempsVirtuel& temps, std::string nom);
        bool lancer_evenements_dus();
        double prochain_evenement();
        void oublier_annules();
        void avancer_a(double t);

        TempsVirtuel& temps_;
        std::string nom_;
        double t_ = 0;
        double reveil_ = 0;
        bool vivant_ = false;
        FileEvenements evenements_;
        std::set<std::uint64_t> annules_;
        std::uint64_t cessions_ = 0;
        std::uint64_t lectures_horloge_ = 0;
    };

private:
    bool traiter_monde(const double& t, const Acteur* moi);
    // Another running actor is due before t.
    bool derriere(const Acteur* moi, double t) const;
    Acteur* suivant() const;
    void passer_la_main(Acteur* moi);
    void attendre_la_main(Acteur* moi);
    std::uint64_t ordre_suivant() { return ordre_++; }

    double pas_lecture_s_;
    double t_monde_ = 0;
    std::uint64_t ordre_ = 1; // 0 names no event
    FileEvenements monde_;
    std::deque<Acteur> acteurs_;

    // Hand-over between actor threads. Everything else is touched only by the token holder.
    std::mutex mutex_;
    std::condition_variable cv_;
    bool en_execution_ = false;
    bool arret_ = false;
    double limite_s_ = jamais_s;
    Acteur* courant_ = nullptr;
    int restants_ = 0;
};

} // namespace optolink::sim
