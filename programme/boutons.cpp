#include "programme/boutons.h"
#include "programme/laser_continu.h"

#include <utility>

namespace optolink {

void Btonefface_Click(Poste& poste) { poste.fenetre.Texte1.Text.clear(); }

void Btonquitter_Click(Poste& poste)
{
    eteindre_laser_continu(poste);
    poste.liaison.fermer_liaison();
    if (poste.terminer)
        poste.terminer();
}

std::function<void(Poste&)> hors_envoi(Routine envoi)
{
    return [envoi = std::move(envoi)](Poste& poste) {
        if (poste.fenetre.Texte1.Locked)
            return;
        eteindre_laser_continu(poste);
        envoi(poste);
    };
}

} // namespace optolink
