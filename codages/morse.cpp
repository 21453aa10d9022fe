#include "codages/morse.h"

namespace optolink {

const std::array<EntreeMorse, 36> tablemorse = {{
    {u'a', ".-"},    {u'b', "-..."},  {u'c', "-.-."},  {u'd', "-.."},   {u'e', "."},     {u'f', "..-."},
    {u'g', "--."},   {u'h', "...."},  {u'i', ".."},    {u'j', ".---"},  {u'k', "-.-"},   {u'l', ".-.."},
    {u'm', "--"},    {u'n', "-."},    {u'o', "---"},   {u'p', ".--."},  {u'q', "--.-"},  {u'r', ".-."},
    {u's', "..."},   {u't', "-"},     {u'u', "..-"},   {u'v', "...-"},  {u'w', ".--"},   {u'x', "-..-"},
    {u'y', "-.--"},  {u'z', "--.."},  {u'1', ".----"}, {u'2', "..---"}, {u'3', "...--"}, {u'4', "....-"},
    {u'5', "....."}, {u'6', "-...."}, {u'7', "--..."}, {u'8', "---.."}, {u'9', "----."}, {u'0', "-----"},
}};

QString groupe_affichage(const EntreeMorse& entree)
{
    return QString::fromLatin1(entree.code) + " (" + entree.caractere + ") ";
}

CodeMorse coder_morse(const QString& message)
{
    CodeMorse resultat;
    for (const QChar c : message) {
        const EntreeMorse* trouve = nullptr;
        for (const auto& entree : tablemorse)
            if (entree.caractere == c) {
                trouve = &entree;
                break;
            }
        if (trouve) {
            resultat.codemorse += QString::fromLatin1(trouve->code) + QChar(u' ');
            resultat.affichagemorse += groupe_affichage(*trouve);
        } else {
            resultat.codemorse += u' ';
        }
    }
    return resultat;
}

std::optional<CaractereDecode> decoder_caractere(QStringView caractere)
{
    if (caractere.isEmpty())
        return std::nullopt;
    for (const auto& entree : tablemorse)
        if (caractere == QLatin1StringView(entree.code))
            return CaractereDecode{entree.caractere, groupe_affichage(entree)};
    return std::nullopt;
}

} // namespace optolink
