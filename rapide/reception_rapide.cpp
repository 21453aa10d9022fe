#include "rapide/reception_rapide.h"

#include "codages/reception_lente.h"
#include "rapide/acquisition.h"

namespace optolink {

namespace {
constexpr double marque_min_s = 0.45;
} // namespace

void attendre_reception_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                               Codage code, const std::function<void()>& recevoir)
{
    attendre_reception(plateforme, etat, evenements, code, marque_min_s, [&] {
        recevoir();
        liaison.definir_longueur_entree(0);
        plateforme.minuterie.setEnabled(true);
    });
}

void preparer_reception_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                               Codage code)
{
    plateforme.minuterie.setEnabled(false);
    etat.nbmesures = 0;
    evenements.symboles_recus(QString());
    vider_avant_enregistrement(liaison, plateforme);
    evenements.reception_commencee(code);
}

void finir_reception_rapide(const Etat& etat, Evenements& evenements, Codage code, LigneTelechargement ligne,
                            Lecture lecture, const QString& code_recu, const QString& texte1)
{
    const bool morse = code == Codage::morse_rapide;
    evenements.enregistrement_recu({morse ? CodageRapide::morse : CodageRapide::binaire, etat.periodemesure,
                                    niveaux_table(etat.tabmesures, etat.nbmesuresmax), std::move(lecture), code_recu,
                                    etat.message, texte1, {}, ligne.bauds, ligne.duree_s});
    evenements.message_recu(code, etat.message, texte1);
    if (morse ? etat.enregistremorse : etat.enregistrebin)
        evenements.enregistrement_a_proposer(code);
}

} // namespace optolink
