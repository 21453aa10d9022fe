#include "codings/traduction_morse.h"

#include "codings/morse.h"

namespace optolink {

MessageMorse traduire_codemorse(QStringView codemorse)
{
    MessageMorse resultat;
    QString caractere;
    bool espace = false;
    // Positions count from 1, as the walk was designed; the character at position k is codemorse[k - 1].
    const qsizetype n = codemorse.size();
    qsizetype k = 0;
    while (k < n - 1) {
        while (k < n - 1) {
            ++k;
            const QChar c = codemorse[k - 1];
            if (c == u' ') {
                if (k + 1 < n - 1 && codemorse[k] == u' ')
                    espace = true;
                break;
            }
            caractere += c;
        }
        if (const auto decode = decoder_caractere(caractere)) {
            resultat.message += decode->caractere;
            resultat.affichagemorse += decode->groupe;
        }
        caractere.clear();
        if (espace) {
            resultat.message += u' ';
            espace = false;
        }
    }
    return resultat;
}

} // namespace optolink
