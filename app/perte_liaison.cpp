#include "app/perte_liaison.h"

namespace optolink {

void surveiller_liaison(Poste& poste)
{
    poste.com.surPerte([&poste](const QString& raison) {
        const QString peripherique = poste.com.peripherique();
        poste.boites.message("Liaison avec Orphy GTS II perdue",
            "La liaison avec l'interface" + (peripherique.isEmpty() ? QString() : " (" + peripherique + ")")
                + " est coupée :\n" + raison
                + "\n\nVérifier le branchement de l'interface, puis relancer le programme.",
            false);
    });
}

} // namespace optolink
