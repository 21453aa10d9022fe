#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace optolink {

struct EntreeMorse {
    QChar caractere;
    const char* code;
};

// The 36 characters the Morse codings carry, in the order both directions test them.
extern const std::array<EntreeMorse, 36> tablemorse;

struct CodeMorse {
    QString codemorse;      // ".", "-" and " ": each code followed by one space
    QString affichagemorse; // "... (s) --- (o) "
};

// A character outside the table adds one space to codemorse and nothing to affichagemorse.
CodeMorse coder_morse(const QString& message);

struct CaractereDecode {
    QChar caractere;
    QString groupe; // display group, ".- (a) "
};

// Exact match of a run of dots and dashes; nothing for an empty or unknown run.
std::optional<CaractereDecode> decoder_caractere(QStringView caractere);

// Display group of a table entry: the code, a space, the character in parentheses, a space.
QString groupe_affichage(const EntreeMorse& entree);

} // namespace optolink
