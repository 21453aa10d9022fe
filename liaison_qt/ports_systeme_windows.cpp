#include "liaison_qt/ports_systeme.h"

#include <QDir>

#include <QRegularExpression>

#include <windows.h>
#include <devguid.h>
#include <setupapi.h>

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

namespace {
const QString prefixe_fichiers_banc = QStringLiteral("banc-");
} // namespace

QString nom_fichier_banc(int numero) { return prefixe_fichiers_banc + nom_lien_banc(numero); }

namespace {
// The COM ports the system knows now, from the registry's map of serial devices.
QStringList ports_com_presents()
{
    QStringList ports;
    HKEY cle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &cle) != ERROR_SUCCESS)
        return ports;
    for (DWORD i = 0;; ++i) {
        wchar_t nom[256];
        wchar_t valeur[64];
        DWORD longueur_nom = 256, taille = sizeof valeur, type = 0;
        if (RegEnumValueW(cle, i, nom, &longueur_nom, nullptr, &type, reinterpret_cast<BYTE*>(valeur), &taille) != ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            ports.append(QString::fromWCharArray(valeur, static_cast<qsizetype>(taille / sizeof(wchar_t))).remove(QChar(0)));
    }
    RegCloseKey(cle);
    return ports;
}
} // namespace

PortsPresents ports_presents()
{
    PortsPresents presents;
    presents.windows = true;
    presents.dossier_banc = dossier_banc();
    presents.prefixe_tubes_banc = prefixe_tubes_banc();
    // A file left behind by a bench that died names a pipe that is no more: it does not count. A
    // pipe held by another program is there all the same (its opening will say the port is busy).
    presents.peripheriques = ports_com_presents();
    const QDir banc(presents.dossier_banc);
    for (const QString& fichier : banc.entryList({prefixe_fichiers_banc + QStringLiteral("COM*")}, QDir::Files)) {
        const QString nom = fichier.sliced(prefixe_fichiers_banc.size());
        const QString tube = presents.prefixe_tubes_banc + nom;
        if (WaitNamedPipeW(reinterpret_cast<const wchar_t*>(tube.utf16()), 1) || GetLastError() == ERROR_SEM_TIMEOUT)
            presents.liens_banc.append(nom);
    }
    return presents;
}

// The Device Manager's names ("USB Serial Port (COM5)"), without the COM name they end with.
QHash<QString, QString> noms_des_peripheriques()
{
    QHash<QString, QString> noms;
    HDEVINFO liste = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (liste == INVALID_HANDLE_VALUE)
        return noms;
    static const QRegularExpression fin(QStringLiteral("^(.*\\S)\\s*\\((COM\\d+)\\)$"));
    SP_DEVINFO_DATA appareil{};
    appareil.cbSize = sizeof appareil;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(liste, i, &appareil); ++i) {
        wchar_t nom[256];
        if (!SetupDiGetDeviceRegistryPropertyW(liste, &appareil, SPDRP_FRIENDLYNAME, nullptr, reinterpret_cast<BYTE*>(nom),
                                               sizeof nom, nullptr))
            continue;
        const auto m = fin.match(QString::fromWCharArray(nom));
        if (m.hasMatch())
            noms.insert(m.captured(2), m.captured(1));
    }
    SetupDiDestroyDeviceInfoList(liste);
    return noms;
}

} // namespace optolink
