#include "fichiers/affichage_repertoire.h"

namespace optolink {

QString repertoire_affiche(const QString& chemin, int largeur_etiquette, const LargeurTexte& largeur,
                           QChar separateur)
{
    if (largeur(chemin) < largeur_etiquette)
        return chemin;
    const qsizetype fin_tete = chemin.indexOf(separateur);
    if (fin_tete < 0 || chemin.indexOf(separateur, fin_tete + 1) < 0)
        return chemin;
    const QString tete = chemin.left(fin_tete + 1);
    const int place = largeur_etiquette - largeur(tete);
    QString queue = chemin.mid(fin_tete + 1);
    for (;;) {
        queue = queue.mid(queue.indexOf(separateur)); // the first directory goes, its separator stays
        if (largeur(queue) < place || queue.indexOf(separateur, 1) < 0)
            return tete + QStringLiteral("...") + queue;
        queue = queue.mid(1);
    }
}

} // namespace optolink
