#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace optolink {

// The message sent beside the one that arrived, character by character, as the class counts the
// errors of a transmission. In binary each character is the 8 bits of its Windows-1252 code: a
// character replaced by another counts the bits in which their codes differ, a character missing or
// extra counts 8 wrong bits, and of all the ways to line the two texts up the one with fewest wrong
// bits is kept (then fewest wrong characters). Morse has no bits: the alignment is the one with
// fewest wrong characters, upper and lower case being the same signal.
struct Erreurs {
    int caracteres_envoyes = 0;
    int caracteres_faux = 0;         // replaced, missing or extra
    std::optional<int> bits_envoyes; // binary only: 8 per character sent
    std::optional<int> bits_faux;
    std::vector<int> recus_faux; // indices in the received text of the replaced and extra characters
    std::vector<int> manquants;  // for each missing character, the index in the received text it
                                 // would have stood before
    // Wrong characters per character sent, and wrong bits per bit sent (the TEB); nothing when nothing
    // was sent.
    std::optional<double> taux_caracteres() const;
    std::optional<double> teb() const;
};

// The texts as they are compared: blanks at both ends left out (the darkness around a message reads
// as blanks, a canned phrase starts with one); a canned message typed in full or as its
// abbreviation ("code e1 : ...", "e1") is its phrase, as the receiver shows it.
QString texte_envoye(const QString& saisi);
QString texte_recu(const QString& recu);

// recu as texte_recu gives it; envoye as typed.
Erreurs comparer(const QString& envoye, const QString& recu, bool binaire);

} // namespace optolink
