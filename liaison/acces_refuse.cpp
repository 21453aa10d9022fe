#include "liaison/acces_refuse.h"

namespace optolink {

QString raison_acces_refuse(const DroitsPeripherique& d)
{
    if (d.accessible)
        return QStringLiteral("accès refusé : le port est déjà utilisé par un autre programme");
    if (!d.groupe_ouvre || d.session_du_groupe)
        return QStringLiteral("accès refusé : vos droits ne permettent pas d'utiliser %1").arg(d.chemin);
    if (d.inscrit)
        return QStringLiteral("accès refusé : le compte « %1 » a été ajouté au groupe « %2 », propriétaire de %3, "
                              "après l'ouverture de la session ; fermez la session et reconnectez-vous pour que "
                              "l'ajout prenne effet")
            .arg(d.utilisateur, d.groupe, d.chemin);
    return QStringLiteral("accès refusé : le compte « %1 » n'appartient pas au groupe « %2 », propriétaire de %3. "
                          "Un administrateur l'y ajoute (commande : sudo adduser %1 %2), puis fermez la session "
                          "et reconnectez-vous pour que l'ajout prenne effet")
        .arg(d.utilisateur, d.groupe, d.chemin);
}

} // namespace optolink
