#include "liaison_qt/ports_systeme.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <unistd.h>

namespace optolink {

QString nom_fichier_banc(int numero) { return nom_lien_banc(numero); }

QString dossier_banc() { return QDir::tempPath() + QStringLiteral("/optolink-%1").arg(getuid()); }

PortsPresents ports_presents()
{
    PortsPresents presents;
    presents.dossier_banc = dossier_banc();
    const QDir banc(presents.dossier_banc);
    // A link left behind by a bench that died points nowhere: it does not count.
    for (const QString& nom : banc.entryList({QStringLiteral("COM*")}, QDir::System | QDir::Files))
        if (QFileInfo::exists(banc.filePath(nom)))
            presents.liens_banc.append(nom);
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& nom : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("cu.usb*")},
                                           QDir::System | QDir::Files))
        presents.peripheriques.append(dev.filePath(nom));
    return presents;
}

// udev's names, as the desktop shows them ("FT232R USB UART").
QHash<QString, QString> noms_des_peripheriques()
{
    QHash<QString, QString> noms;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        if (!port.description().isEmpty())
            noms.insert(port.systemLocation(), port.description());
    return noms;
}

} // namespace optolink
