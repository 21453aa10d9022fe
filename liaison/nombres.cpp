#include "liaison/nombres.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace optolink {

namespace {

bool est_blanc(char16_t c) { return c == u' ' || c == u'\t'; }
char16_t code_de(QChar c) { return c.unicode(); }
char16_t code_de(char c) { return static_cast<unsigned char>(c); }

// The text may be UTF-16 or Latin-1 bytes: only ASCII characters make a number.
template <typename Vue>
double nombre_en_tete_de(Vue texte, bool blancs_ignores)
{
    const auto code = [&](qsizetype i) { return code_de(texte[i]); };
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && est_blanc(code(i)))
        ++i;
    double signe = 1;
    if (i < n && (code(i) == u'-' || code(i) == u'+')) {
        signe = code(i) == u'-' ? -1 : 1;
        ++i;
    }
    double valeur = 0;
    double echelle = 0; // 0 before the decimal point, then 0.1, 0.01, ...
    for (; i < n; ++i) {
        const char16_t c = code(i);
        if (c >= u'0' && c <= u'9') {
            const int chiffre = c - u'0';
            if (echelle == 0) {
                valeur = valeur * 10 + chiffre;
            } else {
                valeur += chiffre * echelle;
                echelle /= 10;
            }
        } else if (c == u'.' && echelle == 0) {
            echelle = 0.1;
        } else if (!(blancs_ignores && est_blanc(c))) {
            break;
        }
    }
    return signe * valeur;
}

} // namespace

double nombre_en_tete(QStringView texte, bool blancs_ignores)
{
    return nombre_en_tete_de(texte, blancs_ignores);
}

double nombre_en_tete(QByteArrayView texte, bool blancs_ignores)
{
    return nombre_en_tete_de(texte, blancs_ignores);
}

long long arrondi_pair(double x)
{
    const double bas = std::floor(x);
    const double ecart = x - bas;
    double r = bas;
    if (ecart > 0.5 || (ecart == 0.5 && std::fmod(bas, 2.0) != 0))
        r = bas + 1;
    return static_cast<long long>(r);
}

QString texte_nombre(long long n)
{
    return n < 0 ? QString::number(n) : u' ' + QString::number(n);
}

QString nombre_fr(double x, int decimales)
{
    return QLocale(QLocale::French, QLocale::France).toString(x, 'f', decimales);
}

double borne16(double x)
{
    if (std::isnan(x))
        return 0;
    return std::clamp(x, double(std::numeric_limits<std::int16_t>::min()),
                      double(std::numeric_limits<std::int16_t>::max()));
}

int niveau(Mesure m)
{
    return static_cast<int>(arrondi_pair(borne16(m)));
}

} // namespace optolink
