#pragma once

#include "liaison/ports.h"

namespace optolink {

// The folder where the simulated bench of this user publishes its ports.
QString dossier_banc();

// Windows: the named pipe on which the bench of this user serves port n.
QString nom_tube_banc(int numero);

// The bench's entry for port n in its folder: the link "COM<n>" on Linux; on Windows the file
// "banc-COM<n>", since COM1 to COM9 are names of the system's devices, which no file can take.
QString nom_fichier_banc(int numero);

// The bench's live ports and the serial devices present on this computer right now.
PortsPresents ports_presents();

// The names the system gives the serial devices present, by path ("/dev/ttyUSB0") or COM name.
QHash<QString, QString> noms_des_peripheriques();

} // namespace optolink
