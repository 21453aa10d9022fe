#pragma once

#include "fichiers/noms.h"

#include <QString>

#include <functional>

namespace optolink {

// The width of a text in the font of the label that shows it.
using LargeurTexte = std::function<int(const QString&)>;

// The directory path as label_rep shows it. A path as wide as the label or wider becomes its
// head (up to its first separator), "..." and the deepest directories whose width, separator in
// front, is below the label's width less the head's; at least the last directory is kept.
// A path with a single directory after its head has nothing to drop and is shown whole.
QString repertoire_affiche(const QString& chemin, int largeur_etiquette, const LargeurTexte& largeur,
                           QChar separateur = separateur_systeme());

} // namespace optolink
