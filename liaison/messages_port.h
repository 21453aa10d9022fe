#pragma once

#include <QString>

namespace optolink {

// What the user is told when the serial port fails, in French, whatever the system. The device
// is named after the port's number only when it differs from it ("COM3 (/dev/ttyUSB0)").

// No device answers to this number.
QString message_port_inconnu(int numero);
// The device did not open: raison says why and what to do.
QString message_ouverture_impossible(int numero, const QString& peripherique, const QString& raison);
// The device opened but refused the settings ("9600,N,8,1").
QString message_reglages_refuses(int numero, const QString& peripherique, const QString& reglages);
// The device vanished while open.
QString message_perte(int numero, const QString& peripherique);

// The usual reasons.
QString raison_peripherique_absent();
QString raison_port_occupe();
QString raison_erreur_systeme(const QString& detail);

} // namespace optolink
