#pragma once

#include "poste/signaux.h"

#include <QFont>
#include <QImage>
#include <QRectF>

#include <optional>

class QPainter;

namespace optolink {

// The top of the voltage axis: a little above the highest reading or the threshold.
double echelle_direct_v(const Signaux& signaux, double tensionseuil_v);

// The live strip chart of the slow codings: the readings of the last 15 s up to the latest one,
// the threshold, and each light pulse as the receiver classified it. What does not move (the
// axes, their texts, the threshold) is drawn once and kept until the size or the scale changes,
// since a chart repainted ten times a second must cost next to nothing.
class BandeDirect {
public:
    void dessiner(QPainter& p, const QRectF& zone, const Signaux& signaux, double tensionseuil_v);

private:
    struct Fond {
        QSizeF taille;
        QFont police;
        double echelle_v;
        double seuil_v;
        bool vide;
        bool operator==(const Fond&) const = default;
    };
    void peindre_fond(const Fond& fond, const QRectF& trace);

    std::optional<Fond> fond_;
    QImage image_;
};

} // namespace optolink
