#pragma once

#include "poste/boites.h"
#include "poste/conception.h"
#include "poste/etat.h"
#include "poste/fenetre.h"
#include "poste/signaux.h"
#include "liaison/boucle.h"
#include "liaison/com.h"
#include "liaison/horloge.h"
#include "liaison/liaison.h"
#include "liaison/minuterie.h"

#include <functional>

namespace optolink {

// One station: the program-wide state, the main window as the routines see it, and the
// platform it runs on (a real one in the program, virtual time in the tests).
struct Poste {
    Poste(Horloge& h, Boucle& b, Minuterie& m, Com& c, Boites& bo)
        : fenetre(fenetre_conception()), horloge(h), boucle(b), minuterie(m), com(c), boites(bo), liaison(c, h)
    {
        minuterie.surTic([this] { Minuterie_Timer(); });
    }
    Poste(const Poste&) = delete;
    // The timer's tick: EA0 read, what came kept as reponseorphy and tensionlue, the reading
    // noted for the signal window.
    void Minuterie_Timer()
    {
        const LectureEa0 lu = liaison.Minuterie_Timer();
        etat.reponseorphy = lu.reponse;
        if (lu.tension_v)
            etat.tensionlue = *lu.tension_v;
        signaux.noter_tension(horloge.maintenant_s(), etat.tensionlue);
    }
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
