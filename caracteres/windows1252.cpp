#include "caracteres/windows1252.h"

#include <array>

namespace optolink {

namespace {
// 0x80 to 0x9F; the rest of the set is Latin-1.
constexpr std::array<char16_t, 32> plage_80_9f = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

std::optional<unsigned char> code_windows1252(QChar caractere)
{
    const char16_t u = caractere.unicode();
    for (std::size_t i = 0; i < plage_80_9f.size(); ++i)
        if (plage_80_9f[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    return std::nullopt;
}

QChar caractere_windows1252(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QChar(plage_80_9f[code - 0x80]);
    return QChar(static_cast<char16_t>(code));
}

} // namespace optolink
