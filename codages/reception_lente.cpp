#include "codages/reception_lente.h"

#include "codages/attente.h"

namespace optolink {

void attendre_reception(const Plateforme& plateforme, Etat& etat, Evenements& evenements, Codage code,
                        double marqueur_min_s, const std::function<void()>& recevoir)
{
    Horloge& horloge = plateforme.horloge;
    Boucle& boucle = plateforme.boucle;
    evenements.attente_commencee();
    etat.nbsilences = 0;
    plateforme.minuterie.setEnabled(true);

    // Kept from pass to pass: when no light is seen in a pass, t2 - t1 is negative.
    double t2 = 0;
    while (etat.typecodage == code) {
        boucle.ceder();
        const double t1 = horloge.maintenant_s();
        while (etat.typecodage == code && lumiere(etat)) {
            boucle.ceder();
            t2 = horloge.maintenant_s();
        }
        if (t2 - t1 >= marqueur_min_s) {
            evenements.impulsion(t1, t2, QStringLiteral("début"));
            recevoir();
            evenements.reception_terminee();
        }
        etat.nbsilences = 0;
    }
}

void ceder_avant_mesure(Boucle& boucle, const Etat& etat)
{
    if (lumiere(etat) || obscurite(etat))
        ceder_sans_attendre(boucle);
    else
        boucle.ceder();
}

} // namespace optolink
