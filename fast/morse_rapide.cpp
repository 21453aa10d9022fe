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
int calibrer(Echantillons& e, int& seuilbrut, bool fichier, Largeurs& largeurs, Releve& releve)
{
    const auto allume = [&](int v) { return fichier ? v >= seuilbrut : v > seuilbrut; };
    Extremes extremes;
    int nbimpulsions = 0;
    int valeur = 0;
    while (nbimpulsions < 4 && e.reste_preambule()) {
        valeur = e.suivant();
        extremes.noter(valeur);
        if (allume(valeur)) {
            const int debut = e.indice();
            int largeur = 0;
            while (allume(valeur) && e.peut_avancer()) {
                ++largeur;
                valeur = e.suivant();
                if (fichier)
                    extremes.noter(valeur);
            }
            ++nbimpulsions;
            releve.calibration(debut, largeur, true);
            if (largeur >= largeurs.trait)
                largeurs.trait = largeur;
            else if (largeur <= largeurs.point)
                largeurs.point = largeur;
        }
        extremes.noter(valeur);
    }
    releve.seuils(seuilbrut, extremes.milieu());
    releve.largeur("largeurpoint", largeurs.point);
    releve.largeur("largeurtrait", largeurs.trait);
    seuilbrut = extremes.milieu();
    return valeur;
}

ReceptionMorse reception(const QString& codemorse, Developpement maniere, Lecture* lecture)
{
    const MessageMorse t = traduire_codemorse(codemorse);
    Releve(lecture).caracteres(t.caracteres);
    return {codemorse, t.affichagemorse, developper(t.message, maniere),
            QStringLiteral("code morse reçu : ") + t.affichagemorse};
}

} // namespace

QString decoder_impulsions(Echantillons& e, int seuilbrut, bool fichier, const Progression& progression,
                           Lecture* lecture)
{
    Releve releve(lecture);
    Largeurs largeurs;
    int valeur = calibrer(e, seuilbrut, fichier, largeurs, releve);
    const double espace = 1.5 * largeurs.trait - 5;
    QString codemorse;
    const auto ajouter = [&](QChar symbole) {
        codemorse += symbole;
        if (progression)
            progression(codemorse);
    };
    while (e.reste()) {
        int debut = e.indice();
        qsizetype avant = codemorse.size();
        int largeur = 0;
        int duree = 0;
        while (valeur <= seuilbrut && e.reste()) {
            ++largeur;
            ++duree;
            valeur = e.suivant();
            if (largeur >= espace) {
                ajouter(u' ');
                largeur = 0;
            }
        }
        releve.palier(debut, duree, false, codemorse, avant);
        debut = e.indice();
        avant = codemorse.size();
        largeur = 0;
        while (valeur >= seuilbrut && e.peut_avancer()) {
            valeur = e.suivant();
            ++largeur;
        }
        if (largeurs.point - 6 <= largeur && largeur <= largeurs.point + 6)
            ajouter(u'.');
        else if (largeurs.trait - 9 <= largeur && largeur <= largeurs.trait + 9)
            ajouter(u'-');
        else if (fichier) {
            releve.palier(debut, largeur, true, codemorse, avant, true);
            break; // a saved recording stops at the first pulse it cannot read
        }
        releve.palier(debut, largeur, true, codemorse, avant);
    }
    return codemorse;
}

QString decoder_impulsions(std::span<const QString> tabmesures, int nbmesuresmax, int seuilbrut,
                           const Progression& progression, Lecture* lecture)
{
    EchantillonsTable table(tabmesures, nbmesuresmax);
    return decoder_impulsions(table, seuilbrut, false, progression, lecture);
}

ReceptionMorse decoder_morse_rapide(std::span<const QString> tabmesures, int nbmesuresmax,
                                    int seuilbrut, const Progression& progression, Lecture* lecture)
{
    return reception(decoder_impulsions(tabmesures, nbmesuresmax, seuilbrut, progression, lecture),
                     Developpement::trois_premiers, lecture);
}

ReceptionMorse decode_fichiermorserap(QIODevice& fichier, const Progression& progression, Lecture* lecture)
{
    EchantillonsFichier echantillons(fichier);
    const int seuilbrut = echantillons.premier_seuil();
    return reception(decoder_impulsions(echantillons, seuilbrut, true, progression, lecture),
                     Developpement::fichier, lecture);
}

} // namespace optolink
