#include "codings/recepteur_morse.h"

#include "codings/abreviations.h"
#include "codings/attente.h"
#include "codings/reception_lente.h"
#include "codings/traduction_morse.h"

namespace optolink {

namespace {
constexpr int silences_max = 6;

void recevoir_morse(Poste& poste)
{
    Etat& etat = poste.etat;
    Horloge& horloge = poste.horloge;
    commencer_reception(poste, &FenetrePrincipale::Btonenvoiemorse,
                        QStringLiteral("RECEPTION DE CODE MORSE EN COURS     PATIENTEZ SVP"));
    QString codemorse;
    double duree = 0;
    while (duree < 1.5 * etat.dureebit && etat.nbsilences <= silences_max) {
        ceder_avant_mesure(poste);
        double t1 = horloge.maintenant_s();
        while (obscurite(etat) && etat.nbsilences <= silences_max) {
            poste.boucle.ceder(t1 + 1.2 * etat.dureebit);
            if (horloge.maintenant_s() - t1 >= 1.2 * etat.dureebit) {
                codemorse += u' ';
                poste.fenetre.Texte1.Text = codemorse;
                t1 = horloge.maintenant_s();
                ++etat.nbsilences;
            }
        }

        t1 = horloge.maintenant_s();
        while (lumiere(etat))
            poste.boucle.ceder();
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
                poste.signaux.noter_impulsion(t1, t2, duree >= 1.5 * u ? QStringLiteral("fin") : QStringLiteral("?"));
            ceder_avant_mesure(poste);
            continue;
        }
        poste.signaux.noter_impulsion(t1, t2, codemorse.back());
        poste.fenetre.Texte1.Text = codemorse;
        etat.nbsilences = 0;
    }

    const MessageMorse recu = traduire_codemorse(codemorse);
    etat.message = developper(recu.message, Developpement::message_entier);
    if (etat.nbsilences > silences_max)
        etat.message += QStringLiteral("réception interrompue automatiquement (vérifier le montage, faire RAZ "
                                       "Orphy et relancer le programme) ");
    afficher_reception(poste, &FenetrePrincipale::Btonenvoiemorse, recu.affichagemorse + " = " + etat.message,
                       QStringLiteral(" Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou "
                                      "code                         "),
                       QString());
}
} // namespace

void attentereceptionmorse(Poste& poste)
{
    attendre_reception(poste, Codage::morse, 1.5, [&] { recevoir_morse(poste); });
}

} // namespace optolink
