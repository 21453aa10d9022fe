#include "postes_virtuels/synthese.h"

#include "codages/abreviations.h"
#include "codages/morse.h"
#include "codages/trame.h"
#include "rapide/echantillons.h"
#include "fichiers/rrr.h"
#include "liaison/nombres.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

namespace synthese {

Signal& Signal::allume(int nb)
{
    runs_.emplace_back(true, nb);
    return *this;
}

Signal& Signal::sombre(int nb)
{
    runs_.emplace_back(false, nb);
    return *this;
}

std::vector<int> Signal::echantillons(int nbmesuresmax, const Niveaux& niveaux) const
{
    std::vector<int> v;
    unsigned graine = 12345;
    const auto niveau = [&](bool lumiere) {
        graine = graine * 1103515245u + 12345u;
        const int ecart = static_cast<int>((graine >> 16) % static_cast<unsigned>(2 * niveaux.bruit + 1));
        return (lumiere ? niveaux.allume : niveaux.sombre) + ecart - niveaux.bruit;
    };
    for (const auto& [lumiere, nb] : runs_)
        for (int i = 0; i < nb && std::ssize(v) <= nbmesuresmax; ++i)
            v.push_back(niveau(lumiere));
    while (std::ssize(v) <= nbmesuresmax)
        v.push_back(niveau(false));
    return v;
}

SignalTemps& SignalTemps::allume(double duree_s)
{
    runs_.emplace_back(true, duree_s);
    return *this;
}

SignalTemps& SignalTemps::sombre(double duree_s)
{
    runs_.emplace_back(false, duree_s);
    return *this;
}

std::vector<int> SignalTemps::echantillons(double periode_s, int nbmesuresmax, double gigue_s, std::uint32_t graine,
                                           const Niveaux& niveaux) const
{
    std::mt19937 hasard(graine);
    const auto tirage = [&](double max) { return std::uniform_real_distribution<double>(0, max)(hasard); };
    // Each change of level, late by its own delay but never before the one before it.
    std::vector<std::pair<double, bool>> changements;
    double t = 0;
    double dernier = 0;
    for (const auto& [lumiere, duree] : runs_) {
        dernier = std::max(dernier, t + (gigue_s > 0 ? tirage(gigue_s) : 0));
        changements.emplace_back(dernier, lumiere);
        t += duree;
    }
    changements.emplace_back(std::max(dernier, t + (gigue_s > 0 ? tirage(gigue_s) : 0)), false);
    Signal s;
    std::size_t k = 0;
    bool lumiere = false;
    const double debut = tirage(periode_s);
    for (int i = 0; i <= nbmesuresmax; ++i) {
        const double instant = debut + i * periode_s;
        while (k < changements.size() && changements[k].first <= instant)
            lumiere = changements[k++].second;
        lumiere ? s.allume(1) : s.sombre(1);
    }
    return s.echantillons(nbmesuresmax, niveaux);
}

int Reglage::echantillons(double duree_s) const
{
    return static_cast<int>(std::lround(duree_s / periode_s));
}

namespace {

// The calibration letter and the message, in samples or in seconds.
template <typename S, typename D>
void morse(S& s, const QString& codemorse, D point, D trait)
{
    s.allume(trait).sombre(point).allume(point).sombre(point).allume(trait).sombre(point).allume(point).sombre(trait);
    for (const QChar symbole : codemorse) {
        if (symbole == u' ')
            s.sombre(trait);
        else
            s.allume(symbole == u'.' ? point : trait);
        s.sombre(point);
    }
}

// The preamble's three one-bit pulses and its pause, then the frames.
template <typename S, typename D>
void binaire(S& s, const QString& chainebits, D bit)
{
    s.allume(bit).sombre(bit).allume(bit).sombre(bit).allume(bit).sombre(2 * bit);
    int nbbits = 0;
    for (qsizetype i = 0; i + 1 < chainebits.size(); ++i) {
        const QChar b = chainebits[i];
        if (b == u' ') {
            s.sombre(2 * bit);
            continue;
        }
        if (b == u'1')
            s.allume(bit);
        else
            s.sombre(bit);
        if (++nbbits == 9) {
            nbbits = 0;
            s.sombre(2 * bit);
        }
    }
}

} // namespace

Signal signal_morse(const QString& codemorse, int point, int trait, const Reglage& r)
{
    Signal s;
    s.allume(r.queue).sombre(r.echantillons(r.trou_s));
    morse(s, codemorse, point, trait);
    return s;
}

SignalTemps emission_morse_temps(const QString& texte, double dureebit, double trou_s)
{
    SignalTemps s;
    s.sombre(trou_s);
    morse(s, optolink::coder_morse(optolink::abreger(texte)).codemorse, 0.05 * dureebit, 0.15 * dureebit);
    return s;
}

Signal emission_morse(const QString& texte, const Reglage& r)
{
    const double point_s = 0.045 * r.dureebit;
    const QString codemorse = optolink::coder_morse(optolink::abreger(texte)).codemorse;
    return signal_morse(codemorse, r.echantillons(point_s), r.echantillons(3 * point_s), r);
}

QString trames(const QString& message)
{
    return optolink::coder_binaire(message).chainebits;
}

Signal signal_binaire(const QString& chainebits, int bit, const Reglage& r)
{
    Signal s;
    s.allume(r.queue).sombre(r.echantillons(r.trou_s));
    binaire(s, chainebits, bit);
    return s;
}

SignalTemps emission_binaire_temps(const QString& texte, double dureebit, double trou_s)
{
    SignalTemps s;
    s.sombre(trou_s);
    binaire(s, trames(optolink::abreger(texte) + u' '), 0.07 * dureebit);
    return s;
}

Signal emission_binaire(const QString& texte, const Reglage& r)
{
    const QString message = optolink::abreger(texte) + u' ';
    return signal_binaire(trames(message), r.echantillons(0.065 * r.dureebit), r);
}

std::vector<optolink::Mesure> tabmesures(const std::vector<int>& echantillons)
{
    std::vector<optolink::Mesure> table(12802, optolink::sans_mesure);
    std::copy_n(echantillons.begin(), std::min(echantillons.size(), table.size()), table.begin());
    return table;
}

QString fichier_rrr(const QString& dossier, const QString& nom, const std::vector<int>& echantillons)
{
    const QString chemin = QDir(dossier).filePath(nom);
    const auto table = tabmesures(echantillons);
    if (!optolink::ecrire_fichier_rrr(chemin, table, static_cast<int>(echantillons.size()) - 1).reussie)
        throw std::runtime_error("fichier de test non écrit");
    return chemin;
}

int seuil_de_niveau_sombre(int sombre)
{
    return optolink::seuil_brut(sombre * 20.0 / 255 + 0.5);
}

QString sans_blancs_de_fin(QString message)
{
    while (message.endsWith(u' '))
        message.chop(1);
    return message;
}

} // namespace synthese
