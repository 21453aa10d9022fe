#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace optolink {

// Where the file dialogs browse: the entries of their drive list and the directory they open in.

// A mounted volume as the system lists it.
struct Volume {
    QString racine; // its mount point
    bool pret = true;
    bool lecture_seule = false;
};

// The drive list on Linux: the root, the volume of the home folder, then the removable media
// (volumes mounted under /media, /run/media or /mnt) that are ready and writable, each once.
QStringList lecteurs_linux(const std::vector<Volume>& montes, const QString& racine_maison);

// A drive as Windows' drive lists show it: its letter in lower case and the colon, then its label
// in brackets when it has one ("c: [SYSTEME]"). racine is the drive's root ("C:/" or "C:\\").
QString lecteur_windows(const QString& racine, const QString& etiquette);

// The drive list of this computer: every drive Windows has, a drive without a disc included (it
// says "disque indisponible ! " when chosen), on Windows, each label asked with a short limit (a
// drive that does not answer in time, such as a disconnected network drive, is listed by its
// letter alone); lecteurs_linux of the mounted volumes elsewhere.
QStringList lecteurs_systeme();

// The directory a drive entry opens on: its root ("c: [SYSTEME]" opens "c:\").
QString racine_lecteur(const QString& lecteur);

// The entry whose root holds the directory, the deepest one; the first entry when none does.
QString lecteur_de(const QStringList& lecteurs, const QString& repertoire);

// The folder of the last file saved or opened during this run (nomfichier), when it still
// exists; dossier_documents otherwise.
QString repertoire_depart(const QString& nomfichier);

// The user's Documents folder, where a first dialog opens: school accounts redirect it to their
// server, while the rest of a local profile may be wiped at logoff. The home folder when the
// system has none.
QString dossier_documents();

// Whether the file names of this system differ by case alone (Linux) or not (Windows).
Qt::CaseSensitivity casse_des_chemins();

} // namespace optolink
