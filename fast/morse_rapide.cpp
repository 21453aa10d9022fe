#include "fast/morse_rapide.h"

#include "codings/abreviations.h"
#include "codings/traduction_morse.h"
#include "fast/echantillons_fichier.h"

namespace optolink {

namespace {

// Widths, in samples, learnt from the calibration letter.
struct Largeurs {
    int trait = 0;
    int point = 10000;
};

// Runs until four light runs are seen; leaves the stream on the sample after the fourth.
int calibrer(Echantillons& e, int& seuilbrut, bool fichier, Largeurs& largeurs)
{
    const auto allume = [&](int v) { return fichier ? v >= seuilbrut : v > seuilbrut; };
    Extremes extremes;
    int nbimpulsions = 0;
    int valeur = 0;
    while (nbimpulsions < 4 && e.reste_preambule()) {
        valeur = e.suivant();
        extremes.noter(valeur);
        if (allume(valeur)) {
            int largeur = 0;
            while (allume(valeur) && e.peut_avancer()) {
                ++largeur;
                valeur = e.suivant();
                if (fichier)
                    extremes.noter(valeur);
            }
            ++nbimpulsions;
            if (largeur >= largeurs.trait)
                largeurs.trait = largeur;
            else if (largeur <= largeurs.point)
                largeurs.point = largeur;
        }
        extremes.noter(valeur);
    }
    seuilbrut = extremes.milieu();
    return valeur;
}

ReceptionMorse reception(const QString& codemorse, Developpement maniere)
{
    const MessageMorse t = traduire_codemorse(codemorse);
    return {codemorse, t.affichagemorse, developper(t.message, maniere),
            QStringLiteral("code morse reçu : ") + t.affichagemorse};
}

} // namespace

QString decoder_impulsions(Echantillons& e, int seuilbrut, bool fichier, const Progression& progression)
{
    Largeurs largeurs;
    int valeur = calibrer(e, seuilbrut, fichier, largeurs);
    const double espace = 1.5 * largeurs.trait - 5;
    QString codemorse;
    const auto ajouter = [&](QChar symbole) {
        codemorse += symbole;
        if (progression)
            progression(codemorse);
    };
    while (e.reste()) {
        int largeur = 0;
        while (valeur <= seuilbrut && e.reste()) {
            ++largeur;
            valeur = e.suivant();
            if (largeur >= espace) {
                ajouter(u' ');
                largeur = 0;
            }
        }
        largeur = 0;
        while (valeur >= seuilbrut && e.peut_avancer()) {
            valeur = e.suivant();
            ++largeur;
        }
        if (largeurs.point - 6 <= largeur && largeur <= largeurs.point + 6)
            ajouter(u'.');
        else if (largeurs.trait - 9 <= largeur && largeur <= largeurs.trait + 9)
            ajouter(u'-');
        else if (fichier)
            break; // a saved recording stops at the first pulse it cannot read
    }
    return codemorse;
}

QString decoder_impulsions(std::span<const QString> tabmesures, int nbmesuresmax, int seuilbrut,
                           const Progression& progression)
{
    EchantillonsTable table(tabmesures, nbmesuresmax);
    return decoder_impulsions(table, seuilbrut, false, progression);
}

ReceptionMorse decoder_morse_rapide(std::span<const QString> tabmesures, int nbmesuresmax,
                                    int seuilbrut, const Progression& progression)
{
    return reception(decoder_impulsions(tabmesures, nbmesuresmax, seuilbrut, progression),
                     Developpement::trois_premiers);
}

ReceptionMorse decode_fichiermorserap(QIODevice& fichier, const Progression& progression)
{
    EchantillonsFichier echantillons(fichier);
    const int seuilbrut = echantillons.premier_seuil();
    return reception(decoder_impulsions(echantillons, seuilbrut, true, progression), Developpement::fichier);
}

} // namespace optolink
