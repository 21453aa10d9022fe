#include "codages/attente.h"

#include <algorithm>

namespace optolink {

namespace {
// How often a wait that does not yield asserts its level again.
constexpr double pas_sans_cession_s = 0.001;

double echeance(Poste& poste, Duree duree) { return poste.etat.instantdepart + duree.en_secondes(poste.etat); }
} // namespace

void ecrire_laser(Poste& poste, CommandeLaser commande)
{
    switch (commande) {
    case CommandeLaser::allumer_laser: poste.liaison.allumer_laser(); break;
    case CommandeLaser::eteindre_laser: poste.liaison.eteindre_laser(); break;
    case CommandeLaser::allumer_laser_rapide: poste.liaison.allumer_laser_rapide(); break;
    case CommandeLaser::eteindre_laser_rapide: poste.liaison.eteindre_laser_rapide(); break;
    }
}

void attendre_jusqua(Poste& poste, CommandeLaser commande, Duree duree, bool ceder)
{
    do {
        ecrire_laser(poste, commande);
        const double fin = echeance(poste, duree);
        if (ceder)
            poste.boucle.ceder(fin);
        else
            poste.horloge.attendre_jusqua(std::min(fin, poste.horloge.maintenant_s() + pas_sans_cession_s));
    } while (poste.horloge.maintenant_s() < echeance(poste, duree));
}

void attendre_jusqua_apres_cession(Poste& poste, CommandeLaser commande, Duree duree)
{
    ceder_sans_attendre(poste);
    attendre_jusqua(poste, commande, duree, true);
}

void emettre(Poste& poste, CommandeLaser commande, Duree duree)
{
    poste.etat.instantdepart = poste.horloge.maintenant_s();
    attendre_jusqua(poste, commande, duree, true);
}

void ceder_sans_attendre(Poste& poste) { poste.boucle.ceder(-jamais_s); }

} // namespace optolink
