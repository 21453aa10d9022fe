#include "liaison_qt/droits_systeme.h"

#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace optolink {

namespace {

bool session_a_le_groupe(gid_t groupe)
{
    if (getegid() == groupe)
        return true;
    std::vector<gid_t> groupes(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    const int n = getgroups(static_cast<int>(groupes.size()), groupes.data());
    for (int i = 0; i < n; ++i)
        if (groupes[static_cast<std::size_t>(i)] == groupe)
            return true;
    return false;
}

bool membre_inscrit(const passwd* compte, const group* g)
{
    if (!compte || !g)
        return false;
    if (compte->pw_gid == g->gr_gid)
        return true;
    for (char** membre = g->gr_mem; membre && *membre; ++membre)
        if (QByteArray(*membre) == compte->pw_name)
            return true;
    return false;
}

} // namespace

DroitsPeripherique droits_du_peripherique(const QString& chemin)
{
    DroitsPeripherique d;
    // The device itself, rather than the bench's link to it.
    const QString cible = QFileInfo(chemin).canonicalFilePath();
    d.chemin = cible.isEmpty() ? chemin : cible;
    const QByteArray nom = QFile::encodeName(chemin);
    d.accessible = access(nom.constData(), R_OK | W_OK) == 0;
    const passwd* compte = getpwuid(geteuid());
    d.utilisateur = compte ? QString::fromLocal8Bit(compte->pw_name) : QString::number(geteuid());
    struct stat etat {};
    if (stat(nom.constData(), &etat) != 0)
        return d;
    const group* g = getgrgid(etat.st_gid);
    d.groupe = g ? QString::fromLocal8Bit(g->gr_name) : QString::number(etat.st_gid);
    d.groupe_ouvre = (etat.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    d.session_du_groupe = session_a_le_groupe(etat.st_gid);
    d.inscrit = membre_inscrit(compte, g);
    return d;
}

} // namespace optolink
