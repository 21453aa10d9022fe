#pragma once

#include "app/boites.h"
#include "app/conception.h"
#include "app/etat.h"
#include "app/fenetre.h"
#include "app/signaux.h"
#include "link/boucle.h"
#include "link/com.h"
#include "link/horloge.h"
#include "link/liaison.h"
#include "link/minuterie.h"

#include <functional>

namespace optolink {

// One station: the program-wide state, the main window as the routines see it, and the
// platform it runs on (a real one in the program, virtual time in the tests).
struct Poste {
    Poste(Horloge& h, Boucle& b, Minuterie& m, Com& c, Boites& bo)
        : fenetre(fenetre_conception()), horloge(h), boucle(b), minuterie(m), com(c), boites(bo), liaison(c, h, etat)
    {
        minuterie.surTic([this] {
            liaison.Minuterie_Timer();
            signaux.noter_tension(horloge.maintenant_s(), etat.tensionlue);
        });
    }
    Poste(const Poste&) = delete;
    Poste& operator=(const Poste&) = delete;

    Etat etat;
    FenetrePrincipale fenetre;
    Horloge& horloge;
    Boucle& boucle;
    Minuterie& minuterie;
    Com& com;
    Boites& boites;
    Liaison liaison;
    Signaux signaux;
    // Ends the program at once, from wherever it is (the port already closed by the caller).
    std::function<void()> terminer;
};

} // namespace optolink
