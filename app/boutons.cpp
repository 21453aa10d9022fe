#include "app/boutons.h"

namespace optolink {

void Btonefface_Click(Poste& poste) { poste.fenetre.Texte1.Text.clear(); }

void Btonquitter_Click(Poste& poste)
{
    poste.liaison.fermer_liaison();
    if (poste.terminer)
        poste.terminer();
}

} // namespace optolink
