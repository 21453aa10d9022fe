#pragma once

#include "analyse/comparaison.h"
#include "analyse/niveaux.h"
#include "poste/signaux.h"
#include "poste/trace.h"
#include "analyse/emission_prevue.h"

#include <array>
#include <optional>
#include <span>

namespace optolink {

// What a recording carried, as its decoder read it: for the class to measure a bit's duration,
// compute a rate, and compare with what the four codings would take for the same message.
struct Bilan {
    int caracteres = 0;            // characters of the message (blanks included)
    int bits = 0;                  // binary: bits of the frames read, start bits included
    int elements = 0;              // Morse: dots and dashes read
    int points = 0;                // Morse: dots among them
    double duree_s = 0;            // from the preamble's first pulse to the end of the last character
                                   // (its last light in Morse, its frame in binary)
    double unite_s = 0;            // the unit the decoder learnt: a Morse dot, a bit
    double debit_bauds = 0;        // 1 / unite_s
    double debit_caracteres_s = 0; // caracteres / duree_s
    double debit_bits_s = 0;       // 8 bits (a character's code) per character
    double mots_minute = 0;        // Morse: words per minute at that unit, PARIS counting 50 units
    // The same message in each coding at the recording's speed (nominal lengths).
    std::array<EmissionPrevue, 4> theorique;
    std::optional<Niveaux> niveaux;
    std::optional<Erreurs> erreurs; // when the message sent is known
    // The download of a live reception: the line's rate, and its time from "WGOR"; 0 for a file.
    int bauds_ligne = 0;
    double telechargement_s = 0;
};

// "PARIS " is 50 units of Morse: a word per minute is a unit of 1.2 s.
inline double mots_par_minute(double unite_s) { return unite_s > 0 ? 1.2 / unite_s : 0; }

// Samples in the unit the decoder of the trace learnt (a bit, a Morse dot); 0 when it learnt none.
double unite_apprise(const Trace& trace);

// Nothing when the decoder learnt no unit or read no character. With the message sent (not blank),
// the report compares it with the message shown.
std::optional<Bilan> bilan(const Trace& trace, const QString& envoye = {});

// The characters of the reading (indices in trace.lecture.caracteres) that the comparison found
// replaced or extra; none when the message shown is not the characters read (an abbreviation
// expanded).
std::vector<int> caracteres_lus_faux(const Trace& trace, const Erreurs& erreurs);

// The report of a slow reception from the pulses its receiver classified, from the start marker to
// the end marker, and the message it showed: the duration runs from the start marker's rise to the
// last light of the message, the unit is the mean light of a dot (Morse) or of a slot (binary), all
// to the timer's tick; its levels from the readings still kept, against the threshold. Nothing for
// a reception that did not reach its end marker.
struct ReceptionLente {
    std::span<const ImpulsionLente> impulsions;
    const std::deque<TensionLue>& tensions;
    QString message;
    Codage codage;
    double seuil_v;
};
std::optional<Bilan> bilan_lent(const ReceptionLente& reception, double dureebit, double periodemesure,
                                const QString& envoye = {});

} // namespace optolink
