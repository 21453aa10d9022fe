#include "fichiers/contenu_repertoire.h"

#include <QCollator>
#include <QDir>

#include <algorithm>

namespace optolink {

namespace {

QStringList trier(QStringList noms)
{
    // The program speaks French whatever the system's language (and the C locale sorts no numbers).
    QCollator collateur(QLocale(QLocale::French, QLocale::France));
    collateur.setNumericMode(true);
    collateur.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(noms.begin(), noms.end(), [&](const QString& a, const QString& b) {
        const int ordre = collateur.compare(a, b);
        return ordre != 0 ? ordre < 0 : a < b;
    });
    return noms;
}

} // namespace

QStringList fichiers_du_repertoire(const QString& repertoire, const QString& motif)
{
    return trier(QDir(repertoire).entryList({motif}, QDir::Files, QDir::Unsorted));
}

QStringList sous_repertoires(const QString& repertoire)
{
    return trier(QDir(repertoire).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted));
}

QStringList chemins_parents(const QString& repertoire)
{
    QStringList chemins;
    QDir dossier(repertoire);
    for (;;) {
        chemins.prepend(QDir::toNativeSeparators(dossier.absolutePath()));
        if (!dossier.cdUp())
            return chemins;
    }
}

} // namespace optolink
