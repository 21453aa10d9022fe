#pragma once

#include <QByteArray>

#include <cstdint>

// The two bytes that open an input of the download harness: the receiving station's settings.
// The rest of the input is what the interface sends during the download.
struct ReglagesTelechargement {
    std::int16_t nbmesuresmax = 6400; // 6400 or 12800
    std::int16_t modevitesse = 0;     // 0, 1 or 2
    int sombre = 0;                   // raw dark level; the threshold is its voltage plus 0.5 V

    static ReglagesTelechargement lire(QByteArrayView entree)
    {
        const auto octet = [&](qsizetype i) { return i < entree.size() ? static_cast<std::uint8_t>(entree[i]) : 0; };
        return {static_cast<std::int16_t>(octet(0) & 1 ? 12800 : 6400), static_cast<std::int16_t>((octet(0) >> 1) % 3),
                octet(1)};
    }
    QByteArray octets() const
    {
        QByteArray octets;
        octets += static_cast<char>((nbmesuresmax == 12800 ? 1 : 0) | modevitesse << 1);
        octets += static_cast<char>(sombre);
        return octets;
    }
    static constexpr qsizetype taille = 2;
};
