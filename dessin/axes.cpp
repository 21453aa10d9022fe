#include "dessin/axes.h"

#include <QPainter>

#include <cmath>

namespace optolink {

std::vector<double> graduations(double min, double max, int nb_max)
{
    std::vector<double> g;
    if (!(max > min) || nb_max < 1)
        return g;
    const double brut = (max - min) / nb_max;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    double pas = puissance;
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * puissance >= brut) {
            pas = m * puissance;
            break;
        }
    for (double v = std::ceil(min / pas) * pas; v <= max + pas * 1e-9; v += pas)
        g.push_back(std::abs(v) < pas * 1e-9 ? 0.0 : v);
    return g;
}

QFont police_dessin()
{
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(13);
    return police;
}

namespace {

int decimales_pour(double pas)
{
    return pas >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(pas) - 1e-9));
}

} // namespace

void dessiner_axes(QPainter& p, const QRectF& trace, const Echelle& temps_s, const Echelle& tension_v)
{
    p.save();
    const QFontMetricsF fm(p.font());
    const QPen grille(QColor(0, 0, 0, 28), 1);
    const QPen trait(QColor(60, 60, 60), 1);

    const bool en_ms = temps_s.v1 - temps_s.v0 < 0.5;
    const double unite = en_ms ? 1000 : 1;
    const auto t = graduations(temps_s.v0 * unite, temps_s.v1 * unite, std::max(2, int(trace.width() / 90)));
    const int dt = t.size() > 1 ? decimales_pour(t[1] - t[0]) : 0;
    for (const double v : t) {
        const double x = temps_s.px(v / unite);
        p.setPen(grille);
        p.drawLine(QPointF(x, trace.top()), QPointF(x, trace.bottom()));
        p.setPen(trait);
        p.drawLine(QPointF(x, trace.bottom()), QPointF(x, trace.bottom() + 4));
        const QString texte = nombre_fr(v, dt);
        p.drawText(QPointF(x - fm.horizontalAdvance(texte) / 2, trace.bottom() + 4 + fm.ascent()), texte);
    }
    const QString titre_temps = en_ms ? QStringLiteral("temps (ms)") : QStringLiteral("temps (s)");
    p.drawText(QPointF(trace.right() - fm.horizontalAdvance(titre_temps), trace.bottom() + 4 + fm.height() + fm.ascent()),
               titre_temps);

    const auto u = graduations(std::min(tension_v.v0, tension_v.v1), std::max(tension_v.v0, tension_v.v1),
                               std::max(2, int(trace.height() / 40)));
    const int du = u.size() > 1 ? decimales_pour(u[1] - u[0]) : 0;
    for (const double v : u) {
        const double y = tension_v.px(v);
        p.setPen(grille);
        p.drawLine(QPointF(trace.left(), y), QPointF(trace.right(), y));
        p.setPen(trait);
        const QString texte = nombre_fr(v, du) + QStringLiteral(" V");
        p.drawText(QPointF(trace.left() - 6 - fm.horizontalAdvance(texte), y + fm.ascent() / 2 - 1), texte);
    }
    p.setPen(trait);
    p.setBrush(Qt::NoBrush);
    p.drawRect(trace);
    p.restore();
}

} // namespace optolink
