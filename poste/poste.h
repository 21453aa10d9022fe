#pragma once

#include "poste/conception.h"
#include "poste/etat.h"
#include "poste/fenetre.h"
#include "poste/journal_reception.h"
#include "poste/modele_fenetre.h"
#include "poste/plateforme.h"
#include "poste/signaux.h"
#include "liaison/liaison.h"

#include <functional>

namespace optolink {

// One station put together: the platform it runs on (a real one in the program, virtual time in
// the tests), the link on its port, the state of the running coding, and the main window's model
// with the readings for the signal window. The program, its windows and the simulator's stations
// hold it; the routines take only the parts they need.
struct Poste {
    Poste(Horloge& h, Boucle& b, Minuterie& m, Com& c, Boites& bo)
        : plateforme{h, b, m, c, bo}, fenetre(fenetre_conception()), liaison(c, h), modele(fenetre, signaux, etat)
    {
        plateforme.minuterie.surTic([this] { Minuterie_Timer(); });
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
        const double maintenant = plateforme.horloge.maintenant_s();
        signaux.noter_tension(maintenant, etat.tensionlue);
        journaliser_tic(maintenant, lu.reponse, etat.tensionlue);
    }
    Poste& operator=(const Poste&) = delete;

    Plateforme plateforme;
    Etat etat;
    FenetrePrincipale fenetre;
    Signaux signaux;
    Liaison liaison;
    ModeleFenetre modele;
    // Ends the program at once, from wherever it is (the port already closed by the caller).
    std::function<void()> terminer;
};

} // namespace optolink
