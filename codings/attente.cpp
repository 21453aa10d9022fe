#include "codings/attente.h"

namespace optolink {

namespace {
void ecrire(Poste& poste, CommandeLaser commande)
{
    if (commande == CommandeLaser::allumer_laser)
        poste.liaison.allumer_laser();
    else
        poste.liaison.eteindre_laser();
}

double echeance(Poste& poste, Duree duree) { return poste.etat.instantdepart + duree.en_secondes(poste.etat); }
} // namespace

void attendre_jusqua(Poste& poste, CommandeLaser commande, Duree duree, bool ceder)
{
    do {
        ecrire(poste, commande);
        if (ceder)
            poste.boucle.ceder(echeance(poste, duree));
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
