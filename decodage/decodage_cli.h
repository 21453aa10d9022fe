#pragma once

#include <QStringList>
#include <QTextStream>

namespace optolink {

// optolink-decode [--json [--lecture]] (--morse | --binaire) [--live SEUIL_VOLTS] [--periode MS]
//                 [--image IMAGE] FICHIER...
// Decodes each *.rrr file and writes one line per file to sortie; a file that cannot be read is
// named on erreurs and the others are still decoded. --image draws the one file's signal, which
// needs a QGuiApplication (on any platform, offscreen included). arguments begins with the
// program name. Returns the exit status: 0 when every file was decoded, 1 when one could not be
// read or the image not written, 2 for a wrong command line.
int decoder_fichiers(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs);

} // namespace optolink
