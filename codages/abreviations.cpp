#include "codages/abreviations.h"

#include <array>

namespace optolink {

namespace {

const std::array<Abreviation, 4> abreviations = {{
    {QStringLiteral("e1"),
     QStringLiteral("code e1 : les sciences physiques constituent de belles sciences utilisant les "
                    "mathématiques, le français, le dessin technique et l'informatique "),
     QStringLiteral(" les sciences physiques constituent de belles sciences utilisant les mathématiques, le "
                    "français, le dessin technique et l'informatique")},
    {QStringLiteral("e2"),
     QStringLiteral("code e2 : c'est grâce à la physique qu'on construit, qu'on se chauffe et qu'on communique "
                    "par exemple"),
     QStringLiteral(" c'est grâce à la physique qu'on construit, qu'on se chauffe et qu'on communique par "
                    "exemple")},
    {QStringLiteral("e3"),
     QStringLiteral("code e3 : c'est grâce à la chimie qu'on s'habille, qu'on se soigne, qu'on crée de "
                    "nouvelles matières par exemple"),
     QStringLiteral(" c'est grâce à la chimie qu'on s'habille, qu'on se soigne, qu'on crée de nouvelles "
                    "matières par exemple")},
    {QStringLiteral("e4"),
     QStringLiteral("code e4 : les sciences physiques permettent à l'homme d'étudier la matière et les "
                    "énergies en vue de les utiliser"),
     QStringLiteral(" les sciences physiques permettent à l'homme d'étudier la matière et les énergies en vue "
                    "de les utiliser")},
}};

// The received spellings of "eN", in the order they are compared, built around the digit.
std::array<QString, 11> orthographes(QChar chiffre)
{
    const QString e = QStringLiteral("e") + chiffre;
    const QString e_ = QStringLiteral("e ") + chiffre;
    return {"    " + e, e, "   " + e, "  " + e, " " + e, e + " ", " " + e + " ",
            e_, " " + e_, e_ + " ", " " + e_ + " "};
}

bool correspond(const QString& message, QChar chiffre, Developpement maniere)
{
    const QString compare = maniere == Developpement::trois_premiers ? message.left(3) : message;
    const auto formes = orthographes(chiffre);
    for (std::size_t i = 0; i < formes.size(); ++i) {
        // The file decoders leave out the spellings with two to four leading blanks.
        if (maniere == Developpement::fichier && (i == 0 || i == 2 || i == 3))
            continue;
        if (compare == formes[i])
            return true;
    }
    return false;
}

} // namespace

const Abreviation& abreviation(int numero) { return abreviations.at(static_cast<std::size_t>(numero - 1)); }

QString abreger(const QString& texte)
{
    for (const auto& a : abreviations)
        if (texte == a.texte)
            return a.abreviation;
    return texte;
}

QString developper(const QString& message, Developpement maniere)
{
    QString resultat = message;
    for (const auto& a : abreviations)
        if (correspond(resultat, a.abreviation[1], maniere))
            resultat = a.phrase;
    return resultat;
}

} // namespace optolink
