#include "fichiers/lieux.h"

#include "fichiers/noms.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace optolink {

namespace {

bool amovible(const QString& racine)
{
    for (const char* dossier : {"/media/", "/run/media/", "/mnt/"})
        if (racine.startsWith(QLatin1String(dossier)))
            return true;
    return false;
}

bool contient(const QString& racine, const QString& repertoire)
{
    if (!repertoire.startsWith(racine, casse_des_chemins()))
        return false;
    return repertoire.size() == racine.size() || racine.endsWith(separateur_systeme())
        || repertoire[racine.size()] == separateur_systeme();
}

} // namespace

QStringList lecteurs_linux(const std::vector<Volume>& montes, const QString& racine_maison)
{
    QStringList lecteurs{QStringLiteral("/")};
    if (!racine_maison.isEmpty() && racine_maison != u"/")
        lecteurs << racine_maison;
    for (const Volume& v : montes)
        if (amovible(v.racine) && v.pret && !v.lecture_seule && !lecteurs.contains(v.racine))
            lecteurs << v.racine;
    return lecteurs;
}

QString lecteur_windows(const QString& racine, const QString& etiquette)
{
    const QString lettre = racine.left(2).toLower();
    return etiquette.trimmed().isEmpty() ? lettre : lettre + QStringLiteral(" [%1]").arg(etiquette.trimmed());
}

QString lecteur_de(const QStringList& lecteurs, const QString& repertoire)
{
    QString choisi = lecteurs.value(0);
    qsizetype longueur = -1;
    for (const QString& lecteur : lecteurs) {
        const QString racine = racine_lecteur(lecteur);
        if (contient(racine, repertoire) && racine.size() > longueur) {
            choisi = lecteur;
            longueur = racine.size();
        }
    }
    return choisi;
}

QString repertoire_depart(const QString& nomfichier)
{
    const QFileInfo dernier(nomfichier);
    const QString dossier = nomfichier.isEmpty() ? QString() : dernier.absolutePath();
    return QDir::toNativeSeparators(!dossier.isEmpty() && QFileInfo(dossier).isDir() ? dossier : dossier_documents());
}

QString dossier_documents()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace optolink
