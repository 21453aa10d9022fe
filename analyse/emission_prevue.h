#pragma once

#include "poste/codes.h"
#include "poste/trace.h"

#include <QString>

#include <array>
#include <vector>

namespace optolink {

inline constexpr std::array<Codage, 4> codages{Codage::morse, Codage::binaire, Codage::morse_rapide,
                                               Codage::binaire_rapide};
// The coding of a fast recording.
inline Codage codage_enregistre(CodageRapide c)
{
    return c == CodageRapide::morse ? Codage::morse_rapide : Codage::binaire_rapide;
}
// "morse lent", "binaire lent", "morse rapide", "binaire rapide".
QString nom_codage(Codage codage);

// A text as a transmitter would put it on the light at a speed, at the nominal lengths of its
// elements, all from the start mark's rise: where the preamble starts (the calibration pattern of
// the fast codings, the start marker of the slow ones), where the message starts, and where each
// character ends (its last light in Morse, the end of its frame in binary). The message is the text
// as the transmitter sends it: abbreviated (fast binary's appended blank is never played).
struct EmissionPrevue {
    QString message;
    double unite_s = 0;      // the shortest element: a Morse dot, a bit, a slot
    double preambule_s = 0;  // where the preamble starts
    double message_s = 0;    // where the message starts, after the preamble
    std::vector<double> fins_s;
    // From the preamble to the end of the last character, as a recording's report measures it.
    double duree_s() const { return (fins_s.empty() ? message_s : fins_s.back()) - preambule_s; }
    // Characters per second over that duration, and bauds (1 / unit).
    double debit_caracteres_s() const;
    double debit_bauds() const { return unite_s > 0 ? 1 / unite_s : 0; }
};

// periodemesure matters to fast binary only, whose bit is a whole number of sampling periods.
EmissionPrevue emission_prevue(Codage codage, const QString& texte, double dureebit, double periodemesure);

// The characters whose light has ended within a recording of that length that starts at the start
// mark's rise: how many of the message arrive.
int caracteres_enregistres(const EmissionPrevue& emission, double enregistrement_s);

} // namespace optolink
