#pragma once

#include "poste/lecture.h"
#include "analyse/bilan.h"

#include <QJsonObject>

namespace optolink {

// The decoder's reading as a JSON object: "seuil_initial", "seuil", "largeurs" (name → samples),
// "etalonnage" and "paliers" (runs: "debut", "longueur", "lumiere", and for the decoding scan
// "lu" and "arret" when it stopped there), "caracteres" ("texte", "debut", "fin").
QJsonObject lecture_json(const Lecture& lecture);

// The reception's report: "caracteres", "bits", "elements", "points", "duree_s", "unite_s",
// "debit_bauds", "debit_caracteres_s", "debit_bits_s", and "theorique" (for each coding: "codage",
// "duree_s", "unite_s", "debit_bauds", "debit_caracteres_s"); in Morse "mots_minute"; "niveaux"
// ("haut_v", "bas_v", "ecart_v", "marge_v", "faible") when runs of both were read; "erreurs" when the
// message sent is known ("caracteres_envoyes", "caracteres_faux", and in binary "bits_envoyes",
// "bits_faux", "teb").
QJsonObject bilan_json(const Bilan& bilan);

} // namespace optolink
