#include "fichiers/confirmation.h"

#include "fichiers/rrr.h"

namespace optolink {

void confirmer_enregistrefichier(Boites& boites, Etat& etat, const QString& chemin)
{
    etat.nomfichier = chemin;
    etat.nomfichierenr = etat.nomfichier;
    const EcritureRrr ecriture = ecrire_fichier_rrr(etat.nomfichierenr, etat.tabmesures, etat.nbmesuresmax);
    if (!ecriture.reussie)
        boites.message(QStringLiteral("Enregistrement impossible"), ecriture.raison, false);
}

} // namespace optolink
