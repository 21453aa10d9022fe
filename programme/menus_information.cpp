#include "programme/menus.h"

namespace optolink {

void ouvrir_lecturefichier(Poste& poste, const OuvertureFichier& ouverture)
{
    poste.etat.typedecodage = ouverture.typedecodage;
    poste.fenetre.surOuvrirLecturefichier(ouverture.caption);
}

void informer(Poste& poste, const Information& information)
{
    poste.plateforme.boites.message(information.titre, information.texte, false);
}

} // namespace optolink
