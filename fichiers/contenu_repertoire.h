#pragma once

#include <QString>
#include <QStringList>

namespace optolink {

// What the directory and file lists of the dialogs show, sorted as a file manager sorts: case
// ignored and numbers by their value ("essai2" before "essai10"). Hidden entries are left out.

// The names of the files of the directory that match the pattern (wildcards "*" and "?", any
// case); folders are never listed.
QStringList fichiers_du_repertoire(const QString& repertoire, const QString& motif);

// The names of the folders inside the directory.
QStringList sous_repertoires(const QString& repertoire);

// The directory and the directories above it, from its root down to itself, as full paths.
QStringList chemins_parents(const QString& repertoire);

} // namespace optolink
