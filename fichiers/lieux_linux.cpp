#include "fichiers/lieux.h"

#include <QDir>
#include <QStorageInfo>

namespace optolink {

Qt::CaseSensitivity casse_des_chemins() { return Qt::CaseSensitive; }

QStringList lecteurs_systeme()
{
    std::vector<Volume> montes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        montes.push_back({v.rootPath(), v.isReady() && v.isValid(), v.isReadOnly()});
    return lecteurs_linux(montes, QStorageInfo(QDir::homePath()).rootPath());
}

QString racine_lecteur(const QString& lecteur) { return lecteur; }

} // namespace optolink
