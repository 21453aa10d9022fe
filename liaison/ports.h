#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace optolink {

// What a port number typed by the user can reach on this computer.
struct PortsPresents {
    bool windows = false;
    QString dossier_banc;     // where the simulated bench publishes its ports, one entry "COM<n>" each
    QStringList liens_banc;   // the live entries found there ("COM1", "COM2")
    QString prefixe_tubes_banc; // Windows: the bench serves its port n on the named pipe <prefix>COM<n>
    QStringList peripheriques; // serial devices present: paths ("/dev/ttyUSB0", "/dev/ttyACM0"), or "COM5"
};

// The device a port number reaches, empty when none can:
// - a port published by the simulated bench under n comes first;
// - on Windows, n is otherwise COMn;
// - then the USB-serial adapters, in a fixed order (ttyUSB0, ttyUSB1, ..., then ttyACM0, ...):
//   1 reaches the first one, 2 the second...;
// - beyond them, n reaches the built-in serial port /dev/ttyS(n-1), as COMn would on Windows.
// Numbers below 1 reach nothing.
QString chemin_du_port(int numero, const PortsPresents& presents);

// The adapters among the devices, in the order of the rule above.
QStringList adaptateurs_usb(const QStringList& peripheriques);

// The ports a user can answer, for the box that follows a port that did not open or does not
// answer: one line each, the number that reaches it first, then the device and the name the system
// gives it ("  5 : COM5 — USB Serial Port", "  1 : /dev/ttyUSB0 — FT232R USB UART",
// "  2 : banc simulé"). noms: the system's names of the devices, by path or COM name.
QStringList ports_a_repondre(const PortsPresents& presents, const QHash<QString, QString>& noms);

// The name under which the bench publishes port n.
inline QString nom_lien_banc(int numero) { return QStringLiteral("COM%1").arg(numero); }

} // namespace optolink
