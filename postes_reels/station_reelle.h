#pragma once

#include "poste/poste.h"
#include "liaison_qt/boucle_qt.h"
#include "liaison_qt/com_systeme.h"
#include "liaison_qt/horloge_qt.h"
#include "liaison_qt/minuterie_qt.h"
#include "postes_virtuels/boites_muettes.h"
#include "liaison/interface.h"
#include "liaison/vitesse_carte.h"

namespace optolink::mesures {

// A whole station of the program on the Qt clock, yield, timer and serial port, without its
// window: the routines run as they run in the program.
struct StationReelle {
    HorlogeQt horloge;
    BoucleQt boucle{horloge};
    MinuterieQt minuterie;
    ComSysteme com;
    essai::BoitesMuettes boites;
    Poste poste{horloge, boucle, minuterie, com, boites};

    // The link opened on the port, the timer reading every 30 ms, the threshold measured in the
    // dark as start-up does; false when the port does not open. With accueil, the silence after the
    // opening is kept, and a board that greets in it is moved to its rate, as start-up does.
    bool demarrer(int numeroport, Codage typecodage, bool accueil = false)
    {
        poste.etat.numeroport = static_cast<std::int16_t>(numeroport);
        if (!poste.liaison.ouvrir_port(poste.etat.numeroport))
            return false;
        if (accueil) {
            const double fin = horloge.maintenant_s() + silence_ouverture_s;
            while (horloge.maintenant_s() < fin)
                boucle.ceder(fin);
            accelerer_si_carte(poste.liaison, horloge, boucle, poste.liaison.lire());
        }
        poste.liaison.initialiser();
        minuterie.setInterval(30);
        minuterie.setEnabled(true);
        const double debut = horloge.maintenant_s();
        while (horloge.maintenant_s() - debut <= 1.0)
            boucle.ceder(debut + 1.01);
        poste.etat.tensionseuil = poste.etat.tensionlue + 0.5;
        poste.etat.typecodage = typecodage;
        return true;
    }
};

} // namespace optolink::mesures
