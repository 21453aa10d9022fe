#include "fichiers/confirmation.h"

#include "fichiers/rrr.h"

namespace optolink {

void confirmer_enregistrefichier(Poste& poste, const QString& chemin)
{
    Etat& etat = poste.etat;
    etat.nomfichier = chemin;
    etat.nomfichierenr = etat.nomfichier;
    const EcritureRrr ecriture = ecrire_fichier_rrr(etat.nomfichierenr, etat.tabmesures, etat.nbmesuresmax);
    if (!ecriture.reussie)
        poste.boites.message(QStringLiteral("Enregistrement impossible"), ecriture.raison, false);
}

} // namespace optolink
