#include "codages/attente.h"

#include <algorithm>

namespace optolink {

namespace {
// How often a wait that does not yield asserts its level again.
constexpr double pas_sans_cession_s = 0.001;
} // namespace

void ecrire_laser(Liaison& liaison, CommandeLaser commande)
{
    switch (commande) {
    case CommandeLaser::allumer_laser: liaison.allumer_laser(); break;
    case CommandeLaser::eteindre_laser: liaison.eteindre_laser(); break;
    case CommandeLaser::allumer_laser_rapide: liaison.allumer_laser_rapide(); break;
    case CommandeLaser::eteindre_laser_rapide: liaison.eteindre_laser_rapide(); break;
    }
}

void Laser::attendre_jusqua(CommandeLaser commande, Duree duree, bool ceder)
{
    do {
        ecrire_laser(liaison_, commande);
        const double fin = echeance(duree);
        if (ceder)
            boucle_.ceder(fin);
        else
            horloge_.attendre_jusqua(std::min(fin, horloge_.maintenant_s() + pas_sans_cession_s));
    } while (horloge_.maintenant_s() < echeance(duree));
}

void Laser::attendre_jusqua_apres_cession(CommandeLaser commande, Duree duree)
{
    ceder_sans_attendre(boucle_);
    attendre_jusqua(commande, duree, true);
}

void Laser::emettre(CommandeLaser commande, Duree duree)
{
    etat_.instantdepart = horloge_.maintenant_s();
    attendre_jusqua(commande, duree, true);
}

void ceder_sans_attendre(Boucle& boucle) { boucle.ceder(-jamais_s); }

} // namespace optolink
