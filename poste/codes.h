#pragma once

namespace optolink {

// The four codings. typecodage holds the one whose receive-wait routine runs, typedecodage the one
// a file is decoded as; neither holds one before it is chosen.
enum class Codage { morse, binaire, morse_rapide, binaire_rapide };

inline constexpr bool est_rapide(Codage c) { return c == Codage::morse_rapide || c == Codage::binaire_rapide; }

} // namespace optolink
