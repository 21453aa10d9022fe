#include "programme/boucle_principale.h"

namespace optolink {

void boucle_principale(Poste& poste, const Routines& routines)
{
    for (;;) {
        if (!poste.etat.typecodage)
            return;
        const auto routine = routines.find(*poste.etat.typecodage);
        if (routine == routines.end())
            return;
        routine->second(poste);
    }
}

} // namespace optolink
