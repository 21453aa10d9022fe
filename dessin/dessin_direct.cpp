#include "dessin/dessin_direct.h"

#include "dessin/axes.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace optolink {

namespace {

const QColor couleur_impulsion(255, 236, 150, 170);
const QColor couleur_marqueur(150, 215, 150, 150);
const QColor couleur_ignoree(240, 120, 120, 130);
const QColor couleur_seuil(200, 30, 30);

QColor fond_de(const QString& sorte)
{
    if (sorte == u"début" || sorte == u"fin")
        return couleur_marqueur;
    return sorte == u"?" ? couleur_ignoree : couleur_impulsion;
}

QRectF zone_trace(const QFont& police, const QRectF& zone)
{
    const QFontMetricsF fm(police);
    return QRectF(QPointF(zone.left() + 8 + fm.horizontalAdvance(QStringLiteral("20,0 V")) + 8,
                          zone.top() + 8 + 2.4 * fm.height()),
                  QPointF(zone.right() - 8 - fm.horizontalAdvance(QStringLiteral("seuil")) - 6,
                          zone.bottom() - 8 - 2.2 * fm.height()));
}

} // namespace

double echelle_direct_v(const Signaux& signaux, double tensionseuil_v)
{
    double haut = std::max(tensionseuil_v, 1.0);
    for (const TensionLue& t : signaux.tensions())
        haut = std::max(haut, t.tension_v);
    return haut * 1.1;
}

void BandeDirect::peindre_fond(const Fond& fond, const QRectF& trace)
{
    image_ = QImage(fond.taille.toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image_);
    p.setFont(fond.police);
    const QFontMetricsF fm(fond.police);
    const QRectF zone(QPointF(0, 0), fond.taille);
    p.fillRect(zone, Qt::white);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QPointF(8, 8 + fm.ascent()),
               QStringLiteral("Tension lue à chaque tic de la minuterie, %1 dernières secondes ; impulsions "
                              "classées par le récepteur lent").arg(nombre_fr(Signaux::duree_direct_s, 0)));
    if (fond.vide) {
        p.drawText(trace, Qt::AlignCenter, QStringLiteral("Aucune tension lue pour l'instant."));
        return;
    }
    const Echelle y{0, fond.echelle_v, trace.bottom(), trace.top()};
    dessiner_axes(p, trace, Echelle{-Signaux::duree_direct_s, 0, trace.left(), trace.right()}, y);
    const double ys = y.px(fond.seuil_v);
    p.setPen(couleur_seuil);
    p.drawText(QPointF(trace.right() + 4, ys + fm.ascent() / 2 - 1), QStringLiteral("seuil"));
}

void BandeDirect::dessiner(QPainter& p, const QRectF& zone, const Signaux& signaux, double tensionseuil_v)
{
    const auto& tensions = signaux.tensions();
    const QRectF trace = zone_trace(p.font(), zone);
    const Fond fond{zone.size(), p.font(), echelle_direct_v(signaux, tensionseuil_v), tensionseuil_v,
                    tensions.empty()};
    if (fond_ != fond) {
        peindre_fond(fond, trace.translated(-zone.topLeft()));
        fond_ = fond;
    }
    p.drawImage(zone.topLeft(), image_);
    if (tensions.empty())
        return;

    const double fin = tensions.back().t_s;
    const Echelle x{fin - Signaux::duree_direct_s, fin, trace.left(), trace.right()};
    const Echelle y{0, fond.echelle_v, trace.bottom(), trace.top()};
    p.save();
    p.setClipRect(trace);
    for (const ImpulsionLente& i : signaux.impulsions())
        p.fillRect(QRectF(QPointF(x.px(i.debut_s), trace.top()), QPointF(x.px(i.fin_s), trace.bottom())),
                   fond_de(i.sorte));
    std::vector<QPointF> points;
    points.reserve(tensions.size());
    for (const TensionLue& t : tensions)
        points.emplace_back(x.px(t.t_s), y.px(t.tension_v));
    // One-pixel pens take the rasteriser's fast path.
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
    const double ys = y.px(tensionseuil_v);
    p.setPen(QPen(couleur_seuil, 1));
    p.drawLine(QPointF(trace.left(), ys), QPointF(trace.right(), ys));
    p.restore();

    QFont grasse = p.font();
    grasse.setBold(true);
    QFont symbole = grasse;
    symbole.setPixelSize(std::max(grasse.pixelSize(), 1) * 2); // a dot must show as much as a dash
    p.save();
    for (const ImpulsionLente& i : signaux.impulsions()) {
        p.setFont(i.sorte == u"." || i.sorte == u"-" ? symbole : grasse);
        const QFontMetricsF fg(p.font());
        const double a = std::max(x.px(i.debut_s), trace.left());
        const double b = std::min(x.px(i.fin_s), trace.right());
        const double largeur = fg.horizontalAdvance(i.sorte);
        if (b < a || largeur > b - a + 16)
            continue;
        p.drawText(QPointF((a + b - largeur) / 2, trace.top() - 4 - fg.descent()), i.sorte);
    }
    p.restore();
}

} // namespace optolink
