#include "codages/trame.h"

#include "caracteres/windows1252.h"

namespace optolink {

QString code8(unsigned char code)
{
    QString bits(8, u'0');
    for (int rang = 7; rang >= 0; --rang, code >>= 1)
        if (code & 1)
            bits[rang] = u'1';
    return bits;
}

CaractereBinaire caractere_binaire(QStringView texte)
{
    const QChar c = texte.front();
    const qsizetype longueur = c.isHighSurrogate() && texte.size() > 1 && texte[1].isLowSurrogate() ? 2 : 1;
    if (longueur == 1)
        if (const auto code = code_windows1252(c))
            return {*code, c, 1};
    return {static_cast<unsigned char>('?'), QChar(u'?'), longueur};
}

CodeBinaire coder_binaire(QStringView message)
{
    CodeBinaire resultat;
    while (!message.isEmpty()) {
        const CaractereBinaire c = caractere_binaire(message);
        message = message.sliced(c.longueur);
        if (c.affiche == u' ') {
            resultat.chainebits += u' ';
            resultat.textebits += QStringLiteral("  ( ) ");
            continue;
        }
        const QString bits = code8(c.code);
        resultat.chainebits += u'1' + bits;
        resultat.textebits += bits + " (" + c.affiche + ") ";
    }
    return resultat;
}

MessageBinaire decoder_chainebits(QStringView chainebits)
{
    MessageBinaire resultat;
    // Positions count from 1, as the walk was designed; the character at position i is chainebits[i - 1].
    const qsizetype n = chainebits.size();
    qsizetype i = 0;
    while (i < n - 10) {
        ++i;
        const QChar b = chainebits[i - 1];
        if (b == u' ') {
            resultat.message += u' ';
            resultat.textebits += QStringLiteral(" ( ) ");
        } else if (b == u'1') {
            int valeur = 0;
            QString bits;
            for (int j = 7; j >= 0; --j) {
                ++i;
                const QChar bit = chainebits[i - 1];
                bits += bit;
                if (bit == u'1')
                    valeur += 1 << j;
            }
            const QChar c = caractere_windows1252(static_cast<unsigned char>(valeur));
            resultat.message += c;
            resultat.textebits += " " + bits + " (" + c + ") ";
        }
    }
    return resultat;
}

} // namespace optolink
