#include "files/confirmation.h"

#include "fast/decodage_fichier.h"
#include "files/rrr.h"

namespace optolink {

void confirmer_lecturefichier(Poste& poste, const QString& chemin)
{
    Etat& etat = poste.etat;
    etat.nomfichier = chemin;
    etat.nomfichierlu = etat.nomfichier;
    if (etat.nomfichierlu.isEmpty())
        return;
    if (etat.typedecodage == u"br")
        decode_fichierbinrap(poste);
    if (etat.typedecodage == u"mr")
        decode_fichiermorserap(poste);
}

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
