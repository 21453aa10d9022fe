#include "programme/boutons.h"

#include <utility>

namespace optolink {

void Btonefface_Click(Poste& poste) { poste.fenetre.Texte1.Text.clear(); }

void Btonquitter_Click(Poste& poste)
{
    poste.liaison.fermer_liaison();
    if (poste.terminer)
        poste.terminer();
}

std::function<void(Poste&)> hors_envoi(Routine envoi)
{
    return [envoi = std::move(envoi)](Poste& poste) {
        if (!poste.fenetre.Texte1.Locked)
            envoi(poste);
    };
}

} // namespace optolink
