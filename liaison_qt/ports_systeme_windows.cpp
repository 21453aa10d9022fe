#include "liaison_qt/ports_systeme.h"

#include <QDir>

#include <windows.h>

namespace optolink {

// The user's own temporary folder: two accounts on one computer run benches of their own.
QString dossier_banc() { return QDir::tempPath() + QStringLiteral("/optolink-banc"); }

// Pipes are seen by every account of the computer: the account's name keeps them apart.
QString prefixe_tubes_banc()
{
    QString compte = qEnvironmentVariable("USERNAME");
    compte.replace(u'\\', u'_');
    return QStringLiteral("\\\\.\\pipe\\optolink-%1-").arg(compte);
}

QString nom_tube_banc(int numero) { return prefixe_tubes_banc() + nom_lien_banc(numero); }

PortsPresents ports_presents()
{
    PortsPresents presents;
    presents.windows = true;
    presents.dossier_banc = dossier_banc();
    presents.prefixe_tubes_banc = prefixe_tubes_banc();
    // A file left behind by a bench that died names a pipe that is no more: it does not count. A
    // pipe held by another program is there all the same (its opening will say the port is busy).
    const QDir banc(presents.dossier_banc);
    for (const QString& nom : banc.entryList({QStringLiteral("COM*")}, QDir::Files)) {
        const QString tube = presents.prefixe_tubes_banc + nom;
        if (WaitNamedPipeW(reinterpret_cast<const wchar_t*>(tube.utf16()), 1) || GetLastError() == ERROR_SEM_TIMEOUT)
            presents.liens_banc.append(nom);
    }
    return presents;
}

} // namespace optolink
