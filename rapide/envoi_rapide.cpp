#include "rapide/envoi_rapide.h"

#include "codages/attente.h"
#include "codages/envoi_lent.h"
#include "rapide/avancement.h"

#include <algorithm>
#include <cmath>

namespace optolink {

QString duree_enregistrement(const Etat& etat)
{
    return etat.nbmesuresmax == 6400 ? QStringLiteral("15 s") : QStringLiteral("30 s");
}

void preparer_envoi_rapide(Poste& poste, Bouton FenetrePrincipale::*bouton)
{
    preparer_envoi(poste, bouton,
                   " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ " + duree_enregistrement(poste.etat) + " SVP");
}

void finir_envoi_rapide(Poste& poste, double debutenvoi, double duree_noir_s, bool ceder)
{
    const Etat& etat = poste.etat;
    poste.liaison.eteindre_laser_rapide();
    // Yielding before each clock reading; woken twice a second to show the time left. The end is
    // read again at each pass: a length or a speed chosen from the menus meanwhile moves it.
    const auto fin = [&] { return debutenvoi + etat.nbmesuresmax * etat.periodemesure + 2; };
    const double debut = poste.horloge.maintenant_s();
    do {
        const double maintenant = poste.horloge.maintenant_s();
        montrer_avancement(poste.fenetre, maintenant - debut, fin() - debut,
                           QStringLiteral("Enregistrement en cours chez le récepteur : encore %1 s")
                               .arg(std::max(0.0, std::ceil(fin() - maintenant))));
        poste.boucle.ceder(std::min(fin(), maintenant + pas_avancement_s));
    } while (!(poste.horloge.maintenant_s() > fin()));
    cacher_avancement(poste.fenetre);
    poste.fenetre.Etiquette1.Caption = QStringLiteral(" ENVOI DU MESSAGE TERMINE ");
    if (!ceder)
        ceder_sans_attendre(poste);
    poste.etat.instantdepart = poste.horloge.maintenant_s();
    if (ceder)
        attendre_jusqua_apres_cession(poste, CommandeLaser::eteindre_laser_rapide, Duree::secondes(duree_noir_s));
    else
        attendre_jusqua(poste, CommandeLaser::eteindre_laser_rapide, Duree::secondes(duree_noir_s), false);
}

} // namespace optolink
