#include "app/dessin/dessin_direct.h"

#include "app/dessin/axes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace optolink {

namespace {

const QColor couleur_impulsion(255, 236, 150, 170);
const QColor couleur_marqueur(150, 215, 150, 150);
const QColor couleur_ignoree(240, 120, 120, 130);

QColor fond_de(const QString& sorte)
{
    if (sorte == u"début" || sorte == u"fin")
        return couleur_marqueur;
    return sorte == u"?" ? couleur_ignoree : couleur_impulsion;
}

} // namespace

void dessiner_direct(QPainter& p, const QRectF& zone, const Signaux& signaux, double tensionseuil_v)
{
    p.save();
    p.fillRect(zone, Qt::white);
    const QFontMetricsF fm(p.font());
    const QRectF trace(QPointF(zone.left() + 8 + fm.horizontalAdvance(QStringLiteral("20,0 V")) + 8,
                               zone.top() + 8 + 2.4 * fm.height()),
                       QPointF(zone.right() - 8 - fm.horizontalAdvance(QStringLiteral("seuil")) - 6,
                               zone.bottom() - 8 - 2.2 * fm.height()));
    const auto& tensions = signaux.tensions();
    p.setPen(QColor(20, 20, 20));
    p.drawText(QPointF(zone.left() + 8, zone.top() + 8 + fm.ascent()),
               QStringLiteral("Tension lue à chaque tic de la minuterie, %1 dernières secondes ; impulsions "
                              "classées par le récepteur lent").arg(nombre_fr(Signaux::duree_direct_s, 0)));
    if (tensions.empty()) {
        p.drawText(trace, Qt::AlignCenter, QStringLiteral("Aucune tension lue pour l'instant."));
        p.restore();
        return;
    }
    const double fin = tensions.back().t_s;
    double haut = std::max(tensionseuil_v, 1.0);
    for (const TensionLue& t : tensions)
        haut = std::max(haut, t.tension_v);
    const Echelle x{fin - Signaux::duree_direct_s, fin, trace.left(), trace.right()};
    const Echelle y{0, haut * 1.1, trace.bottom(), trace.top()};

    p.save();
    p.setClipRect(trace);
    for (const ImpulsionLente& i : signaux.impulsions())
        p.fillRect(QRectF(QPointF(x.px(i.debut_s), trace.top()), QPointF(x.px(i.fin_s), trace.bottom())),
                   fond_de(i.sorte));
    p.restore();
    dessiner_axes(p, trace, Echelle{-Signaux::duree_direct_s, 0, trace.left(), trace.right()}, y);

    QFont grasse = p.font();
    grasse.setBold(true);
    p.setFont(grasse);
    const QFontMetricsF fg(grasse);
    for (const ImpulsionLente& i : signaux.impulsions()) {
        const double a = std::max(x.px(i.debut_s), trace.left());
        const double b = std::min(x.px(i.fin_s), trace.right());
        const double largeur = fg.horizontalAdvance(i.sorte);
        if (b < a || largeur > b - a + 16)
            continue;
        p.drawText(QPointF((a + b - largeur) / 2, trace.top() - 4 - fg.descent()), i.sorte);
    }

    p.save();
    p.setClipRect(trace);
    QPainterPath chemin;
    chemin.moveTo(x.px(tensions.front().t_s), y.px(tensions.front().tension_v));
    for (const TensionLue& t : tensions)
        chemin.lineTo(x.px(t.t_s), y.px(t.tension_v));
    p.setPen(QPen(QColor(20, 60, 140), 1.5));
    p.drawPath(chemin);
    p.restore();

    const double ys = y.px(tensionseuil_v);
    p.setPen(QPen(QColor(200, 30, 30), 1.5));
    p.drawLine(QPointF(trace.left(), ys), QPointF(trace.right(), ys));
    p.drawText(QPointF(trace.right() + 4, ys + fm.ascent() / 2 - 1), QStringLiteral("seuil"));
    p.restore();
}

} // namespace optolink
