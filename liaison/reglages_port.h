#pragma once

#include <QString>

#include <optional>

namespace optolink {

// The settings text of the serial port, "9600,N,8,1": speed, parity (N, E or O), data bits (5 to
// 8), stop bits (1 or 2). Blanks around a field and a lower-case parity are accepted.
struct ReglagesPort {
    int vitesse_bauds = 9600;
    char parite = 'N';
    int bits = 8;
    int bits_arret = 1;
};

// Nothing when the text is not such a setting.
std::optional<ReglagesPort> lire_reglages_port(const QString& texte);

} // namespace optolink
