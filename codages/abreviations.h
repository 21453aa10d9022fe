#pragma once

#include <QString>

namespace optolink {

// The four canned messages, sent as "e1" to "e4" and expanded again on reception.
struct Abreviation {
    QString abreviation; // "e1"
    QString texte;       // what the menu entry puts in Texte1, "code e1 : ..."
    QString phrase;      // what replaces a received abbreviation
};

const Abreviation& abreviation(int numero); // 1 to 4

// The canned text in full gives its abbreviation; any other text is returned unchanged.
QString abreger(const QString& texte);

// How a received message is compared with the spellings of an abbreviation.
enum class Developpement {
    message_entier,  // slow receivers: the whole message, eleven spellings
    trois_premiers,  // fast receivers: the first three characters, eleven spellings
    fichier,         // file decoders: the whole message, eight spellings (no two to four leading blanks)
};

QString developper(const QString& message, Developpement maniere = Developpement::message_entier);

} // namespace optolink
