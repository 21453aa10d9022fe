#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"
#include <QString>

namespace optolink {

// Sends texte (the text typed in Texte1) in slow Morse: 3 s start marker, 2 s pause, dots of
// 0.3 u and dashes of 1 u each followed by 0.3 u of dark, 1 u of dark per gap, 3 s end marker,
// 1 s trailer (u = dureebit).
void Btonenvoiemorse_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                           const QString& texte);

} // namespace optolink
