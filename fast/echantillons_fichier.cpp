#include "fast/echantillons_fichier.h"

namespace optolink {

int premier_seuil_fichier(LecteurRrr& lecteur)
{
    lecteur.sauter(lignes_entete_rrr + 1);
    return lecteur.valeur_suivante() + 7;
}

} // namespace optolink
