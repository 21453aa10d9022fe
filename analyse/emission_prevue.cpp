#include "analyse/emission_prevue.h"

#include "codages/abreviations.h"
#include "codages/morse.h"
#include "codages/trame.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace optolink {

namespace {

// The lengths, in units, of a Morse code's symbols as a transmitter plays them: the light of a dot
// and of a dash, the dark after each, and what a blank of the code adds before its own dark.
struct LongueursMorse {
    double point, trait, apres, blanc;
};

// A character ends with the light of its last symbol; a blank, after its gap.
void ajouter_morse(EmissionPrevue& e, const LongueursMorse& l)
{
    double t = e.message_s;
    for (const QChar c : e.message) {
        std::optional<double> lumiere_s;
        for (const QChar symbole : coder_morse(QString(c)).codemorse) {
            if (symbole == u' ') {
                t += e.unite_s * (l.blanc + l.apres);
                continue;
            }
            lumiere_s = t + e.unite_s * (symbole == u'.' ? l.point : l.trait);
            t = *lumiere_s + e.unite_s * l.apres;
        }
        e.fins_s.push_back(lumiere_s.value_or(t));
    }
}

// A frame of 9 units per character (the start bit and its code) and the dark after it, a dark
// interval per blank.
void ajouter_binaire(EmissionPrevue& e, double apres_trame_unites, double blanc_unites)
{
    double t = e.message_s;
    for (const QChar c : e.message) {
        if (c == u' ') {
            t += e.unite_s * blanc_unites;
            e.fins_s.push_back(t);
            continue;
        }
        e.fins_s.push_back(t + 9 * e.unite_s);
        t += e.unite_s * (9 + apres_trame_unites);
    }
}

} // namespace

QString nom_codage(Codage codage)
{
    switch (codage) {
    case Codage::morse:
        return QStringLiteral("morse lent");
    case Codage::binaire:
        return QStringLiteral("binaire lent");
    case Codage::morse_rapide:
        return QStringLiteral("morse rapide");
    case Codage::binaire_rapide:
        break;
    }
    return QStringLiteral("binaire rapide");
}

double EmissionPrevue::debit_caracteres_s() const
{
    return duree_s() > 0 ? static_cast<double>(fins_s.size()) / duree_s() : 0;
}

EmissionPrevue emission_prevue(Codage codage, const QString& texte, double dureebit, double periodemesure)
{
    EmissionPrevue e;
    e.message = abreger(texte);
    switch (codage) {
    case Codage::morse:
        // 3 s mark, 2 s dark; dots of 0.3 u and dashes of 1 u, each with 0.3 u of dark; a blank
        // adds 1 u (u = dureebit, the unit here a dot: 0.3 u).
        e.unite_s = 0.3 * dureebit;
        e.message_s = 3 + 2;
        ajouter_morse(e, {1, 1 / 0.3, 1, 1 / 0.3});
        break;
    case Codage::binaire:
        // 5.68 s mark, 1.136 s dark; 9 slots a frame and one of dark after it, one per blank.
        e.unite_s = 0.568 * dureebit;
        e.message_s = 5.68 + 1.136;
        ajouter_binaire(e, 1, 1);
        break;
    case Codage::morse_rapide:
        // 1 s mark, 0.35 s dark, the letter c (14 dots with its gaps); dots of one dot and dashes of
        // three, each with a dot of dark; a blank adds three dots.
        e.unite_s = 0.05 * dureebit;
        e.preambule_s = 1 + 0.35;
        e.message_s = e.preambule_s + 14 * e.unite_s;
        ajouter_morse(e, {1, 3, 1, 3});
        break;
    case Codage::binaire_rapide: {
        // A bit of a whole number of sampling periods; 1 s mark, 0.35 s dark, three one-bit pulses
        // and a two-bit pause; 9 bits a frame and a two-bit pause; two bits per blank. The blank
        // that ends the message is not played.
        const double bit_s = 0.07 * dureebit;
        const double periodes = std::round(bit_s / periodemesure);
        e.unite_s = periodes >= 1 ? periodes * periodemesure : bit_s;
        e.preambule_s = 1 + 0.35;
        e.message_s = e.preambule_s + 7 * e.unite_s;
        ajouter_binaire(e, 2, 2);
        break;
    }
    }
    return e;
}

int caracteres_enregistres(const EmissionPrevue& emission, double enregistrement_s)
{
    return static_cast<int>(std::upper_bound(emission.fins_s.begin(), emission.fins_s.end(), enregistrement_s)
                            - emission.fins_s.begin());
}

} // namespace optolink
