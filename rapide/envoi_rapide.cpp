#include "rapide/envoi_rapide.h"

#include "rapide/avancement.h"

#include <algorithm>

namespace optolink {

void finir_envoi_rapide(Laser& laser, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                        double debutenvoi, double duree_noir_s, bool ceder)
{
    Horloge& horloge = plateforme.horloge;
    laser.ecrire(CommandeLaser::eteindre_laser_rapide);
    // Yielding before each clock reading; woken twice a second to show the time left. The end is
    // read again at each pass: a length or a speed chosen from the menus meanwhile moves it.
    const auto fin = [&] { return debutenvoi + etat.nbmesuresmax * etat.periodemesure + 2; };
    const double debut = horloge.maintenant_s();
    do {
        const double maintenant = horloge.maintenant_s();
        evenements.attente_du_recepteur(maintenant - debut, fin() - debut, fin() - maintenant);
        plateforme.boucle.ceder(std::min(fin(), maintenant + pas_avancement_s));
    } while (!(horloge.maintenant_s() > fin()));
    evenements.avancement_fini();
    evenements.signal_emis();
    if (!ceder)
        ceder_sans_attendre(plateforme.boucle);
    etat.instantdepart = horloge.maintenant_s();
    if (ceder)
        laser.attendre_jusqua_apres_cession(CommandeLaser::eteindre_laser_rapide, Duree::secondes(duree_noir_s));
    else
        laser.attendre_jusqua(CommandeLaser::eteindre_laser_rapide, Duree::secondes(duree_noir_s), false);
}

} // namespace optolink
