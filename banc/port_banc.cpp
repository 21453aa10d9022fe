#include "banc/port_banc.h"

#include "liaison_qt/ports_systeme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace optolink::sim {

bool PortBanc::preparer_dossier(const QString& dossier)
{
    if (!QDir().mkpath(dossier)) {
        erreur_ = QStringLiteral("impossible de créer le dossier %1").arg(dossier);
        return false;
    }
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    lien_ = QDir(dossier).filePath(nom_fichier_banc(numero_));
    return true;
}

} // namespace optolink::sim
