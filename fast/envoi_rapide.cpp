#include "fast/envoi_rapide.h"

#include "codings/attente.h"
#include "codings/envoi_lent.h"
#include "fast/cadence.h"

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
    attendre_apres(poste, debutenvoi + etat.nbmesuresmax * etat.periodemesure + 2);
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
