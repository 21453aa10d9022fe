#pragma once

#include "liaison/nombres.h"

#include <QRectF>
#include <QString>

#include <vector>

class QFont;
class QPainter;

namespace optolink {

// A linear map from a range of values to a range of pixels.
struct Echelle {
    double v0, v1; // values
    double p0, p1; // pixels
    double px(double v) const { return p0 + (v - v0) * (p1 - p0) / (v1 - v0); }
    double valeur(double px) const { return v0 + (px - p0) * (v1 - v0) / (p1 - p0); }
};

// Round values between min and max, 1, 2 or 5 times a power of ten apart, at most nb_max of them.
std::vector<double> graduations(double min, double max, int nb_max);


// The font of every drawing, on screen and in the images alike.
QFont police_dessin();

// The time axis under trace (seconds, or milliseconds when the span is short) and the voltage
// axis on its left, with a light grid.
void dessiner_axes(QPainter& p, const QRectF& trace, const Echelle& temps_s, const Echelle& tension_v);

} // namespace optolink
