#include "codages/traduction_morse.h"

#include "codages/morse.h"

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
        const qsizetype premier = k;
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
        const auto decode = decoder_caractere(caractere);
        if (decode) {
            resultat.message += decode->caractere;
            resultat.affichagemorse += decode->groupe;
        }
        if (!caractere.isEmpty())
            resultat.caracteres.push_back(
                {decode ? QString(decode->caractere) : QString(), premier, premier + caractere.size() - 1});
        caractere.clear();
        if (espace) {
            resultat.message += u' ';
            resultat.caracteres.push_back({QStringLiteral(" "), k, k});
            espace = false;
        }
    }
    return resultat;
}

} // namespace optolink
