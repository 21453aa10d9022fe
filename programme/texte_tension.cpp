#include "programme/texte_tension.h"

#include <cmath>

namespace optolink {

QString texte_tension(double tension_v, const QLocale& langue)
{
    const double centiemes = std::round(std::fabs(tension_v) * 100);
    const double entier = std::floor(centiemes / 100);
    const int decimales = static_cast<int>(centiemes - entier * 100);
    QString texte = QString::number(entier, 'f', 0).rightJustified(2, u'0');
    texte += langue.decimalPoint() + QString::number(decimales).rightJustified(2, u'0');
    return tension_v < 0 && centiemes > 0 ? u'-' + texte : texte;
}

} // namespace optolink
