#include "analyse/comparaison.h"

#include "caracteres/windows1252.h"
#include "codages/abreviations.h"

#include <bit>

namespace optolink {

namespace {

// What a step of the alignment costs: wrong bits first, then wrong characters.
struct Cout {
    int bits = 0;
    int caracteres = 0;
    auto operator<=>(const Cout&) const = default;
    Cout operator+(const Cout& c) const { return {bits + c.bits, caracteres + c.caracteres}; }
};

constexpr int bits_par_caractere = 8;

// A character the set cannot encode goes as the "?" the transmitters put in its place.
unsigned char code(QChar c) { return code_windows1252(c).value_or('?'); }

Cout remplacement(QChar envoye, QChar recu, bool binaire)
{
    if (!binaire)
        return {0, envoye.toLower() == recu.toLower() ? 0 : 1};
    const int bits = std::popcount(static_cast<unsigned>(code(envoye) ^ code(recu)));
    return {bits, bits > 0 ? 1 : 0};
}

const Cout absent{bits_par_caractere, 1};

} // namespace

std::optional<double> Erreurs::taux_caracteres() const
{
    if (caracteres_envoyes == 0)
        return std::nullopt;
    return double(caracteres_faux) / caracteres_envoyes;
}

std::optional<double> Erreurs::teb() const
{
    if (!bits_envoyes || *bits_envoyes == 0)
        return std::nullopt;
    return double(*bits_faux) / *bits_envoyes;
}

QString texte_envoye(const QString& saisi) { return developper(abreger(saisi)).trimmed(); }

QString texte_recu(const QString& recu) { return recu.trimmed(); }

// The edit distance of the two texts, each step costed as above, then the way back through the
// table to tell which received characters are wrong and where the missing ones belong.
Erreurs comparer(const QString& saisi, const QString& recu, bool binaire)
{
    const QString envoye = texte_envoye(saisi);
    const auto n = envoye.size();
    const auto m = recu.size();
    std::vector<std::vector<Cout>> t(std::size_t(n + 1), std::vector<Cout>(std::size_t(m + 1)));
    for (qsizetype i = 0; i <= n; ++i)
        for (qsizetype j = 0; j <= m; ++j) {
            Cout& c = t[i][j];
            if (i == 0 && j == 0)
                continue;
            c = {1 << 20, 0};
            if (i > 0)
                c = std::min(c, t[i - 1][j] + absent);
            if (j > 0)
                c = std::min(c, t[i][j - 1] + absent);
            if (i > 0 && j > 0)
                c = std::min(c, t[i - 1][j - 1] + remplacement(envoye[i - 1], recu[j - 1], binaire));
        }
    Erreurs e;
    e.caracteres_envoyes = static_cast<int>(n);
    e.caracteres_faux = t[n][m].caracteres;
    if (binaire) {
        e.bits_envoyes = bits_par_caractere * static_cast<int>(n);
        e.bits_faux = t[n][m].bits;
    }
    // Of the alignments that cost the same, the one that reads as the class reads it: a message cut
    // short misses its end, so the way back takes a missing character first.
    for (qsizetype i = n, j = m; i > 0 || j > 0;) {
        if (i > 0 && t[i][j] == t[i - 1][j] + absent) {
            e.manquants.push_back(static_cast<int>(j));
            --i;
            continue;
        }
        if (i > 0 && j > 0) {
            const Cout r = remplacement(envoye[i - 1], recu[j - 1], binaire);
            if (t[i][j] == t[i - 1][j - 1] + r) {
                if (r.caracteres > 0)
                    e.recus_faux.push_back(static_cast<int>(j - 1));
                --i, --j;
                continue;
            }
        }
        e.recus_faux.push_back(static_cast<int>(--j));
    }
    std::ranges::reverse(e.recus_faux);
    std::ranges::reverse(e.manquants);
    return e;
}

} // namespace optolink
