#pragma once

#include "liaison/nombres.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace optolink {

// Splits the characters of a fast download into samples. Every value ends with a ','; a value of
// one or two characters is a sample, kept as its number ("7" gives 7, ".5" 0.5, "x" 0); a value of
// any other length is noise and is dropped. The bytes may come one at a time or in pieces cut
// anywhere: the value under way waits for the rest.
class DecoupeurMesures {
public:
    enum class Octet {
        valeur,  // added to the value under way
        ignoree, // a ',' ending a value of the wrong length
        mesure,  // a ',' ending a sample: mesure() gives it
    };

    Octet octet(char c);
    // The sample the last Octet::mesure ended.
    Mesure mesure() const { return mesure_; }
    // The characters received since the last ','.
    const QString& en_cours() const { return en_cours_; }

    // The samples the bytes end, in order.
    std::vector<Mesure> octets(QByteArrayView morceau);

private:
    QString en_cours_;
    Mesure mesure_ = sans_mesure;
};

} // namespace optolink
