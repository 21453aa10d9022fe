#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace optolink {

// Splits the characters of a fast download into samples. Every value ends with a ','; a value of
// one or two characters is a sample, kept as the text of its number with the leading blank of a
// non-negative one ("7" gives " 7"); a value of any other length is noise and is dropped. The
// bytes may come one at a time or in pieces cut anywhere: the value under way waits for the rest.
class DecoupeurMesures {
public:
    enum class Octet {
        valeur,  // added to the value under way
        ignoree, // a ',' ending a value of the wrong length
        mesure,  // a ',' ending a sample: mesure() gives its text
    };

    Octet octet(char c);
    // The text of the sample the last Octet::mesure ended.
    const QString& mesure() const { return mesure_; }
    // The characters received since the last ','.
    const QString& en_cours() const { return en_cours_; }

    // The samples the bytes end, in order.
    QStringList octets(QByteArrayView morceau);

private:
    QString en_cours_;
    QString mesure_;
};

} // namespace optolink
