#include "fichiers/lieux.h"

#include "fichiers/noms.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace optolink {

namespace {

bool amovible(const QString& racine)
{
    for (const char* dossier : {"/media/", "/run/media/", "/mnt/"})
        if (racine.startsWith(QLatin1String(dossier)))
            return true;
    return false;
}

Qt::CaseSensitivity casse_des_chemins()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
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

QStringList lecteurs_systeme()
{
#ifdef Q_OS_WIN
    QStringList lecteurs;
    for (const QFileInfo& lecteur : QDir::drives()) {
        const QStorageInfo volume(lecteur.path());
        lecteurs << lecteur_windows(lecteur.path(), volume.isReady() ? volume.name() : QString());
    }
    return lecteurs;
#else
    std::vector<Volume> montes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        montes.push_back({v.rootPath(), v.isReady() && v.isValid(), v.isReadOnly()});
    return lecteurs_linux(montes, QStorageInfo(QDir::homePath()).rootPath());
#endif
}

QString racine_lecteur(const QString& lecteur)
{
#ifdef Q_OS_WIN
    return lecteur.left(2) + u'\\';
#else
    return lecteur;
#endif
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
    return QDir::toNativeSeparators(!dossier.isEmpty() && QFileInfo(dossier).isDir() ? dossier : QDir::homePath());
}

} // namespace optolink
