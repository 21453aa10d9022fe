#include "fichiers/noms.h"

namespace optolink {

QString chemin_complet(const QString& repertoire, const QString& nom, QChar separateur)
{
    return repertoire.endsWith(separateur) ? repertoire + nom : repertoire + separateur + nom;
}

bool nom_valide(const QString& texte)
{
    static const QString caracteres_nom = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890'-_#~?@");
    enum class Etape { debut, nom, joker_nom, extension, joker_extension };
    Etape etape = Etape::debut;
    // Each character is raised on its own: a whole-text upper case would turn "ß" into "SS".
    for (QChar c : texte + u'$') {
        c = c.toUpper();
        if (c == u'$' && etape != Etape::debut)
            return true;
        const bool caractere_nom = caracteres_nom.contains(c);
        switch (etape) {
        case Etape::debut:
            if (caractere_nom)
                etape = Etape::nom;
            else if (c == u'*')
                etape = Etape::joker_nom;
            else
                return false;
            break;
        case Etape::nom:
            if (c == u'*')
                etape = Etape::joker_nom;
            else if (c == u'.')
                etape = Etape::extension;
            else if (!caractere_nom)
                return false;
            break;
        case Etape::joker_nom:
            if (c != u'.')
                return false;
            etape = Etape::extension;
            break;
        case Etape::extension:
            if (c == u'*')
                etape = Etape::joker_extension;
            else if (!caractere_nom)
                return false;
            break;
        case Etape::joker_extension:
            return false;
        }
    }
    return false;
}

bool contient_joker(const QString& texte)
{
    return texte.contains(u'?') || texte.contains(u'*');
}

} // namespace optolink
