#pragma once

#include <QString>
#include <QStringView>

namespace optolink {

// The 8 bits of a code from 0 to 255, most significant first.
QString code8(unsigned char code);

// The 8-bit code of the character at the start of texte (Windows-1252) and how many UTF-16 units
// it takes; a character the set cannot encode is sent as "?" (63).
struct CaractereBinaire {
    unsigned char code;
    QChar affiche; // the character as it is sent
    qsizetype longueur;
};
CaractereBinaire caractere_binaire(QStringView texte);

struct CodeBinaire {
    QString chainebits; // a frame "1" + code8 per character, one blank per space
    QString textebits;  // "01100001 (a) " per character, "  ( ) " per space
};

// Frames of the slow binary coding.
CodeBinaire coder_binaire(QStringView message);

struct MessageBinaire {
    QString message;
    QString textebits; // " ( ) " per space, " 01100001 (a) " per frame
};

// Decodes received frames. Frames are looked for only before the last 10 characters, which after
// a normal end are the blank and the nine "1" of the end marker, so 10 characters or fewer give
// an empty message. A "0" outside a frame is skipped.
MessageBinaire decoder_chainebits(QStringView chainebits);

} // namespace optolink
