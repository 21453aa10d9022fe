#include "rapide/echantillons_fichier.h"

namespace optolink {

EchantillonsFichier::EchantillonsFichier(QIODevice& fichier) : lecteur_(fichier)
{
    lecteur_.sauter(lignes_entete_rrr + 1);
    premier_seuil_ = lecteur_.valeur_suivante() + 7;
}

} // namespace optolink
