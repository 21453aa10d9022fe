#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"
#include <QString>

namespace optolink {

// "Envoi du message en binaire rapide": calibrates its timing for a second, then sends texte, the
// text typed in Texte1 (a canned text as its abbreviation), with one space appended, as a 1 s
// light, a 0.35 s dark, three one-bit pulses and a two-bit pause, then per character a start bit
// and its 8-bit Windows-1252 code followed by a two-bit pause, and a dark interval per space; bits
// last 0.07 × dureebit s. The last space is not played. The laser stays dark until the receiving
// interface has stopped recording.
void Btonenvoi_binrap_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                            const QString& texte);

} // namespace optolink
