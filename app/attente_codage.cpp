#include "app/attente_codage.h"

namespace optolink {

void attendre_changement_codage(Poste& poste)
{
    const QString code = poste.etat.typecodage;
    poste.fenetre.montrer();
    poste.minuterie.setEnabled(true);
    while (poste.etat.typecodage == code)
        poste.boucle.ceder();
}

} // namespace optolink
