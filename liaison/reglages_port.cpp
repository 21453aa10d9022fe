#include "liaison/reglages_port.h"

#include <QStringList>

namespace optolink {

std::optional<ReglagesPort> lire_reglages_port(const QString& texte)
{
    const QStringList champs = texte.split(u',');
    if (champs.size() != 4)
        return std::nullopt;
    ReglagesPort r;
    bool vitesse_lue = false, bits_lus = false, arret_lu = false;
    r.vitesse_bauds = champs[0].trimmed().toInt(&vitesse_lue);
    const QString parite = champs[1].trimmed().toUpper();
    r.bits = champs[2].trimmed().toInt(&bits_lus);
    r.bits_arret = champs[3].trimmed().toInt(&arret_lu);
    if (!vitesse_lue || r.vitesse_bauds <= 0 || parite.size() != 1 || !QStringLiteral("NEO").contains(parite)
        || !bits_lus || r.bits < 5 || r.bits > 8 || !arret_lu || (r.bits_arret != 1 && r.bits_arret != 2))
        return std::nullopt;
    r.parite = parite[0].toLatin1();
    return r;
}

} // namespace optolink
