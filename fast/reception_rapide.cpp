#include "rapide/reception_rapide.h"

#include "codages/reception_lente.h"
#include "rapide/acquisition.h"
#include "rapide/envoi_rapide.h"

namespace optolink {

namespace {
constexpr double marque_min_s = 0.45;
} // namespace

void attendre_reception_rapide(Poste& poste, Codage code, const std::function<void()>& recevoir)
{
    attendre_reception(poste, code, marque_min_s, [&] {
        recevoir();
        poste.liaison.definir_longueur_entree(0);
        poste.minuterie.setEnabled(true);
    });
}

void preparer_reception_rapide(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& nom_codage)
{
    poste.minuterie.setEnabled(false);
    poste.etat.nbmesures = 0;
    poste.fenetre.Texte1.Text.clear();
    vider_avant_enregistrement(poste);
    const QString duree = duree_enregistrement(poste.etat);
    commencer_reception(poste, bouton, "RECEPTION DE CODE " + nom_codage + " RAPIDE EN COURS     PATIENTEZ " + duree + " SVP",
                        "RECEPTION DE MESSAGE EN COURS DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ " + duree + " SVP");
}

void noter_enregistrement(Poste& poste, CodageRapide codage, Lecture lecture, const QString& code,
                          const QString& texte1)
{
    const Etat& etat = poste.etat;
    poste.signaux.noter_enregistrement({codage, etat.periodemesure, niveaux_table(etat.tabmesures, etat.nbmesuresmax),
                                        std::move(lecture), code, etat.message, texte1, {}});
}

void proposer_enregistrement(Poste& poste, bool enregistrer, const QString& caption)
{
    if (enregistrer)
        poste.fenetre.surOuvrirEnregistrefichier(caption);
}

} // namespace optolink
