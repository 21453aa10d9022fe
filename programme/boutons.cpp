#include "programme/boutons.h"

namespace optolink {

void Btonefface_Click(Poste& poste) { poste.fenetre.Texte1.Text.clear(); }

void Btonquitter_Click(Poste& poste)
{
    poste.liaison.fermer_liaison();
    if (poste.terminer)
        poste.terminer();
}

std::function<void(Poste&)> hors_envoi(void (*envoi)(Poste&))
{
    return [envoi](Poste& poste) {
        if (!poste.fenetre.Texte1.Locked)
            envoi(poste);
    };
}

} // namespace optolink
