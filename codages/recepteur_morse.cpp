#include "codages/recepteur_morse.h"

#include "codages/abreviations.h"
#include "codages/attente.h"
#include "codages/reception_lente.h"
#include "codages/traduction_morse.h"

namespace optolink {

namespace {
constexpr int silences_max = 6;

void recevoir_morse(const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    Horloge& horloge = plateforme.horloge;
    Boucle& boucle = plateforme.boucle;
    evenements.reception_commencee(Codage::morse);
    QString codemorse;
    double duree = 0;
    while (duree < 1.5 * etat.dureebit && etat.nbsilences <= silences_max) {
        ceder_avant_mesure(boucle, etat);
        double t1 = horloge.maintenant_s();
        while (obscurite(etat) && etat.nbsilences <= silences_max) {
            boucle.ceder(t1 + 1.2 * etat.dureebit);
            if (horloge.maintenant_s() - t1 >= 1.2 * etat.dureebit) {
                codemorse += u' ';
                evenements.symboles_recus(codemorse);
                t1 = horloge.maintenant_s();
                ++etat.nbsilences;
            }
        }

        t1 = horloge.maintenant_s();
        while (lumiere(etat))
            boucle.ceder();
        const double t2 = horloge.maintenant_s();
        duree = t2 - t1;

        const double u = etat.dureebit;
        const bool signe_possible = etat.nbsilences <= silences_max;
        if (signe_possible && duree >= 0.1 * u && duree <= 0.5 * u) {
            codemorse += u'.';
        } else if (signe_possible && duree > 0.5 * u && duree < 1.5 * u) {
            codemorse += u'-';
        } else {
            if (duree > 0)
                evenements.impulsion(t1, t2, duree >= 1.5 * u ? QStringLiteral("fin") : QStringLiteral("?"));
            ceder_avant_mesure(boucle, etat);
            continue;
        }
        evenements.impulsion(t1, t2, codemorse.back());
        evenements.symboles_recus(codemorse);
        etat.nbsilences = 0;
    }

    const MessageMorse recu = traduire_codemorse(codemorse);
    etat.message = developper(recu.message, Developpement::message_entier);
    if (etat.nbsilences > silences_max)
        etat.message += QStringLiteral("réception interrompue automatiquement (vérifier le montage, faire RAZ "
                                       "Orphy et relancer le programme) ");
    evenements.message_recu(Codage::morse, recu.affichagemorse + " = " + etat.message, QString());
}
} // namespace

void attentereceptionmorse(const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    attendre_reception(plateforme, etat, evenements, Codage::morse, 1.5,
                       [&] { recevoir_morse(plateforme, etat, evenements); });
}

} // namespace optolink
