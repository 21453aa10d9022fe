#include "liaison/messages_port.h"

namespace optolink {

namespace {
QString port(int numero, const QString& peripherique)
{
    const QString nom = QStringLiteral("COM%1").arg(numero);
    return peripherique.isEmpty() || peripherique == nom ? nom : nom + QStringLiteral(" (%1)").arg(peripherique);
}
} // namespace

QString message_port_inconnu(int numero)
{
    return QStringLiteral("Impossible d'ouvrir le port COM%1 : aucun port ne porte ce numéro "
                          "(les ports sont numérotés à partir de 1).")
        .arg(numero);
}

QString message_ouverture_impossible(int numero, const QString& peripherique, const QString& raison)
{
    return QStringLiteral("Impossible d'ouvrir le port %1 : %2.").arg(port(numero, peripherique), raison);
}

QString message_reglages_refuses(int numero, const QString& peripherique, const QString& reglages)
{
    return QStringLiteral("Impossible de régler le port %1 sur \"%2\".").arg(port(numero, peripherique), reglages);
}

QString message_perte(int numero, const QString& peripherique)
{
    return QStringLiteral("La liaison avec l'interface sur le port %1 est perdue : "
                          "le périphérique ne répond plus (débranché, ou banc arrêté).")
        .arg(port(numero, peripherique));
}

QString raison_peripherique_absent()
{
    return QStringLiteral("aucun périphérique à cet endroit (interface non branchée, ou pilote absent)");
}

QString raison_port_occupe()
{
    return QStringLiteral("accès refusé : le port est déjà utilisé par un autre programme");
}

QString raison_erreur_systeme(const QString& detail)
{
    return QStringLiteral("erreur du système (%1)").arg(detail);
}

} // namespace optolink
