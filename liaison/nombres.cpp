#include "liaison/nombres.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace optolink {

namespace {
bool est_blanc(QChar c) { return c == u' ' || c == u'\t'; }
} // namespace

double nombre_en_tete(QStringView texte, bool blancs_ignores)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && est_blanc(texte[i]))
        ++i;
    double signe = 1;
    if (i < n && (texte[i] == u'-' || texte[i] == u'+')) {
        signe = texte[i] == u'-' ? -1 : 1;
        ++i;
    }
    double valeur = 0;
    double echelle = 0; // 0 before the decimal point, then 0.1, 0.01, ...
    for (; i < n; ++i) {
        const QChar c = texte[i];
        if (c.isDigit() && c.unicode() < 128) {
            const int chiffre = c.unicode() - u'0';
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

int valeur_mesure(QStringView texte, bool blancs_ignores)
{
    return static_cast<int>(arrondi_pair(borne16(nombre_en_tete(texte, blancs_ignores))));
}

} // namespace optolink
