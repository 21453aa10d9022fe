#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"
#include <QString>

namespace optolink {

// Sends texte (the text typed in Texte1) in slow binary: 5.68 s start marker, 1.136 s pause, then
// per character a 9-bit frame (start bit and Windows-1252 code) and a dark separator, one dark slot
// per space, one more dark slot, 6.818 s end marker and 1 s trailer; a slot lasts 0.568 u
// (u = dureebit).
void Btonenvoiebinaire_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                             const QString& texte);

} // namespace optolink
