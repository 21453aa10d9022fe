#pragma once

#include "app/poste/lecture.h"

#include <QJsonObject>

namespace optolink {

// The decoder's reading as a JSON object: "seuil_initial", "seuil", "largeurs" (name → samples),
// "etalonnage" and "paliers" (runs: "debut", "longueur", "lumiere", and for the decoding scan
// "lu" and "arret" when it stopped there), "caracteres" ("texte", "debut", "fin").
QJsonObject lecture_json(const Lecture& lecture);

} // namespace optolink
