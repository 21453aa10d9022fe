#pragma once

#include "poste/etat.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"

namespace optolink {

// The level commands: terminated by a carriage return for the slow transmitters, bare bytes for
// the fast ones.
enum class CommandeLaser { allumer_laser, eteindre_laser, allumer_laser_rapide, eteindre_laser_rapide };

void ecrire_laser(Liaison& liaison, CommandeLaser commande);

// Length of an emitted element: fixed seconds, or a multiple of dureebit read again at every
// check, so that a speed chosen during a send applies from the next check.
class Duree {
public:
    static constexpr Duree secondes(double s) { return Duree(s, 0); }
    static constexpr Duree unites(double k) { return Duree(0, k); }
    double en_secondes(const Etat& etat) const { return secondes_ + unites_ * etat.dureebit; }

private:
    constexpr Duree(double s, double k) : secondes_(s), unites_(k) {}
    double secondes_;
    double unites_;
};

// The laser as the paced transmitters hold it: its level written on the link, timed by the
// clock from etat.instantdepart.
class Laser {
public:
    Laser(Liaison& liaison, const Plateforme& plateforme, Etat& etat)
        : liaison_(liaison), horloge_(plateforme.horloge), boucle_(plateforme.boucle), etat_(etat)
    {
    }

    // Writes the command once.
    void ecrire(CommandeLaser commande) { ecrire_laser(liaison_, commande); }

    // Writes the command again and again (yielding after each write when asked) until the clock
    // reaches etat.instantdepart plus the duration. The caller sets instantdepart just before. The
    // command is always written at least once. Without yielding, the thread sleeps between two
    // writes instead of spinning: no event runs, and the level is asserted again every millisecond.
    void attendre_jusqua(CommandeLaser commande, Duree duree, bool ceder);

    // The same wait for the steps that yield before each write: the events held back by the
    // step before run first, then the laser changes.
    void attendre_jusqua_apres_cession(CommandeLaser commande, Duree duree);

    // Sets instantdepart to the clock, then waits the duration, yielding after each write.
    void emettre(CommandeLaser commande, Duree duree);

private:
    double echeance(Duree duree) const { return etat_.instantdepart + duree.en_secondes(etat_); }

    Liaison& liaison_;
    Horloge& horloge_;
    Boucle& boucle_;
    Etat& etat_;
};

// Runs the pending events and returns at once: the yield before a clock reading that starts
// the timing of a step, and the single yields of the routines.
void ceder_sans_attendre(Boucle& boucle);

} // namespace optolink
