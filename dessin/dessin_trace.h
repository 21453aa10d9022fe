#pragma once

#include "dessin/cadrage.h"
#include "dessin/curseurs.h"
#include "poste/trace.h"

#include <QRectF>

#include <vector>

class QFont;
class QPainter;

namespace optolink {

// Where the samples are drawn inside zone with this font, so that a view can turn a mouse
// position into time.
QRectF zone_des_mesures(const QFont& police, const QRectF& zone);

// A recording as a teacher shows it: the samples against time, both levels of the decoder, the
// light and dark runs shaded and labelled with what the decoder made of them, the characters
// under their runs, the calibration widths written out. The same drawing serves the window and
// the exported images.
// The cursors placed are drawn as vertical lines, with their measure when both are.
// What is drawn over the reading: the characters the comparison with the message sent found wrong
// (indices in the reading's characters), in red; and how thick the samples are, thicker on a projector.
struct Habillage {
    std::vector<int> caracteres_faux;
    double epaisseur = 1;
};
void dessiner_trace(QPainter& p, const QRectF& zone, const Trace& trace, const Cadrage& cadrage,
                    const Curseurs& curseurs = {}, const Habillage& habillage = {});

// The trace's sampling period and duration at full width.
Cadreur cadreur(const Trace& trace);

} // namespace optolink
