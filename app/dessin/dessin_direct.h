#pragma once

#include "app/signaux.h"

#include <QRectF>

class QPainter;

namespace optolink {

// The live strip chart of the slow codings: the readings of the last 15 s up to the latest one,
// the threshold, and each light pulse as the receiver classified it.
void dessiner_direct(QPainter& p, const QRectF& zone, const Signaux& signaux, double tensionseuil_v);

} // namespace optolink
