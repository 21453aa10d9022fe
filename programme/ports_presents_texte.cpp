#include "programme/ports_presents_texte.h"

namespace optolink {

QStringList lignes_ports_presents(const Liaison& liaison)
{
    const std::optional<QStringList> ports = liaison.ports_a_repondre();
    if (!ports)
        return {};
    if (ports->isEmpty())
        return {QStringLiteral("Aucun port USB-série ni banc simulé n'est présent sur cet ordinateur : vérifier "
                               "que l'interface est branchée (et son pilote installé)."),
                QString()};
    return QStringList{QStringLiteral("Ports présents sur cet ordinateur (n° à répondre : port) :")} + *ports
           + QStringList{QString()};
}

} // namespace optolink
