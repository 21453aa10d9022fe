#include "rapide/morse_rapide.h"

#include "codages/abreviations.h"
#include "codages/traduction_morse.h"
#include "fichiers/rrr.h"
#include "rapide/echantillons_fichier.h"
#include "rapide/eclats.h"
#include "rapide/unite.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace optolink {

namespace {

// A light run is a dot or a dash within this share of its own length.
constexpr double tolerance_element = 0.4;

// The calibration letter c ("-.-.", a dash three dots) puts its edges at these numbers of dots
// after its first rising edge.
constexpr std::array<double, 4> montants_c = {0, 4, 6, 10};
constexpr std::array<double, 4> descendants_c = {3, 5, 9, 11};

// A run of the pattern lies within half a dot of the dots the sender puts there: nearer its own
// number of dots than any other.
constexpr double tolerance_forme = 0.5;

// Runs until four light runs with the calibration letter's shape are seen; leaves the stream on the
// sample after the fourth. The dot is fitted to the edges of the four pulses. Four light runs that
// are not in the letter's ratios (a stray flash before it) lose their first, and the scan goes on.
int calibrer(Echantillons& e, int& seuilbrut, bool fichier, Unite& point, Releve& releve)
{
    const auto allume = [&](int v) { return fichier ? v >= seuilbrut : v > seuilbrut; };
    Extremes extremes;
    std::array<std::pair<int, int>, 4> impulsions{}; // first sample, first sample after
    std::array<Unite::Front, 8> fronts{};
    int nbimpulsions = 0;
    int valeur = 0;
    while (nbimpulsions < 4 && e.reste_preambule()) {
        valeur = e.suivant();
        extremes.noter(valeur);
        if (allume(valeur)) {
            const int debut = e.indice();
            while (allume(valeur) && e.peut_avancer()) {
                valeur = e.suivant();
                if (fichier)
                    extremes.noter(valeur);
            }
            impulsions[nbimpulsions++] = {debut, e.indice()};
            if (nbimpulsions == 4) {
                for (int i = 0; i < 4; ++i) {
                    fronts[2 * i] = {impulsions[i].first, montants_c[i], true};
                    fronts[2 * i + 1] = {impulsions[i].second, descendants_c[i], false};
                }
                point = Unite::ajuster(fronts);
                if (!point.concorde(fronts, tolerance_forme)) {
                    point = {};
                    std::rotate(impulsions.begin(), impulsions.begin() + 1, impulsions.end());
                    nbimpulsions = 3;
                }
            }
        }
        extremes.noter(valeur);
    }
    for (int i = 0; i < nbimpulsions; ++i)
        releve.calibration(impulsions[i].first, impulsions[i].second - impulsions[i].first, true);
    releve.seuils(seuilbrut, extremes.milieu());
    releve.largeur("largeurpoint", point.longueur(1, true));
    releve.largeur("largeurtrait", point.longueur(3, true));
    releve.largeur("asymetrie", point.asymetrie);
    seuilbrut = extremes.milieu();
    return valeur;
}

// A dot or a dash, or nothing for a run further than the tolerance from both.
QChar element(const Unite& point, int largeur)
{
    const double points = point.en_unites(largeur, true);
    if (!point.valable())
        return {};
    if (std::abs(points - 1) <= tolerance_element)
        return u'.';
    if (std::abs(points - 3) <= 3 * tolerance_element)
        return u'-';
    return {};
}

ReceptionMorse reception(const QString& codemorse, Developpement maniere, Lecture* lecture)
{
    const MessageMorse t = traduire_codemorse(codemorse);
    Releve(lecture).caracteres(t.caracteres);
    return {codemorse, t.affichagemorse, developper(t.message, maniere),
            QStringLiteral("code morse reçu : ") + t.affichagemorse};
}

} // namespace

QString decoder_impulsions(Echantillons& source, int seuilbrut, bool fichier, const Progression& progression,
                           Lecture* lecture)
{
    Releve releve(lecture);
    EchantillonsSansEclats e(source, seuilbrut);
    Unite point;
    int valeur = calibrer(e, seuilbrut, fichier, point, releve);
    e.regler_seuil(seuilbrut);
    QString codemorse;
    const auto ajouter = [&](QChar symbole) {
        codemorse += symbole;
        if (progression)
            progression(codemorse);
    };
    // The first space of a dark run comes at 1.5 dashes less 5 samples, about four dots and a half,
    // between the dot inside a letter and the five after it (its own dot, then a dash and a dot for
    // the space the sender puts after every letter); then one more every four dots from seven, each
    // halfway between what the sender can leave (nine dots for two spaces, thirteen for three). The
    // calibration letter ends on a dash of darkness, two dots more than an element's: from nine.
    const double premier_espace = 1.5 * point.longueur(3, true) - 5;
    bool apres_etalonnage = true;
    while (e.reste()) {
        int debut = e.indice();
        qsizetype avant = codemorse.size();
        int largeur = 0;
        int espaces = 0;
        const double suivants = apres_etalonnage ? 5 : 3;
        apres_etalonnage = false;
        while (valeur <= seuilbrut && e.reste()) {
            ++largeur;
            valeur = e.suivant();
            if (point.valable()
                && (espaces == 0 ? largeur >= premier_espace
                                 : point.en_unites(largeur, false) >= suivants + 4 * espaces)) {
                ajouter(u' ');
                ++espaces;
            }
        }
        releve.palier(debut, largeur, false, codemorse, avant);
        debut = e.indice();
        avant = codemorse.size();
        largeur = 0;
        while (valeur >= seuilbrut && e.peut_avancer()) {
            valeur = e.suivant();
            ++largeur;
        }
        const QChar lu = element(point, largeur);
        if (!lu.isNull()) {
            ajouter(lu);
        } else if (fichier) {
            releve.palier(debut, largeur, true, codemorse, avant, true);
            break; // a saved recording stops at the first pulse it cannot read
        }
        releve.palier(debut, largeur, true, codemorse, avant);
    }
    return codemorse;
}

QString decoder_impulsions(std::span<const Mesure> tabmesures, int nbmesuresmax, int seuilbrut,
                           const Progression& progression, Lecture* lecture)
{
    EchantillonsTable table(tabmesures, nbmesuresmax);
    return decoder_impulsions(table, seuilbrut, false, progression, lecture);
}

ReceptionMorse decoder_morse_rapide(std::span<const Mesure> tabmesures, int nbmesuresmax,
                                    int seuilbrut, const Progression& progression, Lecture* lecture)
{
    return reception(decoder_impulsions(tabmesures, nbmesuresmax, seuilbrut, progression, lecture),
                     Developpement::trois_premiers, lecture);
}

ReceptionMorse decode_fichiermorserap(std::span<const int> niveaux, const Progression& progression,
                                      Lecture* lecture)
{
    EchantillonsFichier echantillons(niveaux);
    const int seuilbrut = echantillons.premier_seuil();
    return reception(decoder_impulsions(echantillons, seuilbrut, true, progression, lecture),
                     Developpement::fichier, lecture);
}

ReceptionMorse decode_fichiermorserap(QIODevice& fichier, const Progression& progression, Lecture* lecture)
{
    return decode_fichiermorserap(niveaux_rrr(fichier), progression, lecture);
}

} // namespace optolink
