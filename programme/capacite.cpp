#include "programme/capacite.h"

#include "analyse/emission_prevue.h"
#include "liaison/nombres.h"

namespace optolink {

QString capacite_enregistrement(const Etat& etat, const QString& texte)
{
    if (!etat.typecodage || !est_rapide(*etat.typecodage) || texte.trimmed().isEmpty())
        return {};
    const EmissionPrevue e = emission_prevue(*etat.typecodage, texte, etat.dureebit, etat.periodemesure);
    const double enregistrement_s = etat.nbmesuresmax * etat.periodemesure;
    const int total = static_cast<int>(e.fins_s.size());
    const int recus = caracteres_enregistres(e, enregistrement_s);
    const QString debut = QStringLiteral("Ce message dure %1 s sur le faisceau ; l'enregistrement de %2 s ")
                              .arg(nombre_fr(e.fins_s.back(), 1), nombre_fr(enregistrement_s, 1));
    if (recus == total)
        return debut + QStringLiteral("le reçoit en entier.");
    if (recus == 0)
        return debut + QStringLiteral("n'en reçoit aucun caractère.");
    if (recus == 1)
        return debut + QStringLiteral("n'en reçoit que le premier caractère sur %1.").arg(total);
    return debut + QStringLiteral("n'en reçoit que les %1 premiers caractères sur %2.").arg(recus).arg(total);
}

} // namespace optolink
