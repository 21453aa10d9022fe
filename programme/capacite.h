#pragma once

#include "poste/etat.h"

#include <QString>

namespace optolink {

// In a fast coding, how long a message being typed will last on the light link against the
// recording that will take it, and how many of its characters will arrive; empty in a slow coding
// or for an empty message. Shown beside Texte1 while the message is typed.
QString capacite_enregistrement(const Etat& etat, const QString& texte);

} // namespace optolink
