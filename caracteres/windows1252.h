#pragma once

#include <QChar>

#include <optional>

namespace optolink {

// The 8-bit character set of the binary codings and of the saved files: Windows-1252, the
// Western European set of the classroom computers. Codes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have
// no character; they decode as the control characters of the same value, as Windows does.

// The code of a character, or nothing when the set cannot encode it.
std::optional<unsigned char> code_windows1252(QChar caractere);

// The character of a code (0 to 255).
QChar caractere_windows1252(unsigned char code);

} // namespace optolink
