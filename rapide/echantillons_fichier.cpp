#include "rapide/echantillons_fichier.h"

namespace optolink {

EchantillonsFichier::EchantillonsFichier(std::span<const int> niveaux)
    : niveaux_(niveaux), premier_seuil_((niveaux.size() > 1 ? niveaux[1] : 0) + 7)
{
}

} // namespace optolink
