#include "programme/laser_continu.h"

namespace optolink {

namespace {

// The fast codings' interface reads bare bytes, the slow ones' terminated commands.
bool rapide(const Poste& poste) { return poste.etat.typecodage && est_rapide(*poste.etat.typecodage); }

} // namespace

void basculer_laser_continu(Poste& poste)
{
    if (poste.etat.laser_continu) {
        eteindre_laser_continu(poste);
        return;
    }
    poste.etat.laser_continu = true;
    rapide(poste) ? poste.liaison.allumer_laser_rapide() : poste.liaison.allumer_laser();
}

void eteindre_laser_continu(Poste& poste)
{
    if (!poste.etat.laser_continu)
        return;
    poste.etat.laser_continu = false;
    rapide(poste) ? poste.liaison.eteindre_laser_rapide() : poste.liaison.eteindre_laser();
}

} // namespace optolink
