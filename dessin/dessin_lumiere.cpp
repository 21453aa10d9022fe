#include "dessin/dessin_lumiere.h"

#include "dessin/axes.h"
#include "dessin/page_a4.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace optolink {

namespace {

const QColor bleu(0, 80, 200);
const QColor rouge(200, 20, 20);

int decimales(const std::vector<double>& g)
{
    if (g.size() < 2)
        return 0;
    const double pas = g[1] - g[0];
    return pas >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(pas) - 1e-9));
}

QString ou_rien(const std::optional<double>& x, int decimales) { return x ? nombre_fr(*x, decimales) : QString(); }

} // namespace

const QStringList entetes_lumiere{QStringLiteral("Position"), QStringLiteral("U allumé (V)"),
                                  QStringLiteral("U éteint (V)"), QStringLiteral("ΔU (V)"), QStringLiteral("A (dB)")};

QStringList cellules_lumiere(const LigneLumiere& l)
{
    return {l.releve.etiquette, ou_rien(l.releve.allume_v, 3), ou_rien(l.releve.eteint_v, 3), ou_rien(l.ecart_v, 3),
            ou_rien(l.attenuation_db, 2)};
}

QString texte_ajustement(std::span<const LigneLumiere> lignes, const std::optional<Ajustement>& a)
{
    if (a)
        return QStringLiteral("α = %1 dB/m (droite A = α·d + A₀ sur %2 distances, A₀ = %3 dB)")
            .arg(nombre_fr(a->alpha_db_m, 2))
            .arg(a->points)
            .arg(nombre_fr(a->origine_db, 2));
    if (lignes.empty())
        return QStringLiteral("Noter une première position : sa tension laser allumé, puis laser éteint.");
    return QStringLiteral("α en dB/m : il faut au moins deux positions notées comme des distances (« 0,5 m », "
                          "« 150 cm »), la tension allumé et la tension éteint de chacune.");
}

void dessiner_lumiere(QPainter& p, const QRectF& zone, std::span<const LigneLumiere> lignes,
                      const std::optional<Ajustement>& ajustement, double epaisseur)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(zone, Qt::white);
    const QFontMetricsF fm(p.font());
    double dmax = 0, umax = 0, amin = 0, amax = 0;
    int points = 0;
    for (const LigneLumiere& l : lignes) {
        if (!l.distance_m)
            continue;
        ++points;
        dmax = std::max(dmax, *l.distance_m);
        if (l.ecart_v)
            umax = std::max(umax, *l.ecart_v);
        if (l.attenuation_db) {
            amin = std::min(amin, *l.attenuation_db);
            amax = std::max(amax, *l.attenuation_db);
        }
    }
    const double gauche = zone.left() + fm.horizontalAdvance(QStringLiteral("00,00 V")) + 10;
    const double droite = zone.right() - fm.horizontalAdvance(QStringLiteral("00,0 dB")) - 10;
    const QRectF cadre(QPointF(gauche, zone.top() + 1.6 * fm.height()),
                       QPointF(droite, zone.bottom() - 2.4 * fm.height()));
    if (points == 0 || cadre.width() < 10 || cadre.height() < 10) {
        p.setPen(Qt::darkGray);
        p.drawText(zone, Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("La courbe vient avec les positions notées comme des distances (« 1,5 m »)."));
        p.restore();
        return;
    }
    const Echelle x{0, std::max(dmax * 1.1, 0.1), cadre.left(), cadre.right()};
    const Echelle u{0, std::max(umax * 1.15, 0.1), cadre.bottom(), cadre.top()};
    const Echelle a{std::min(0.0, amin * 1.15), std::max(amax * 1.15, 1.0), cadre.bottom(), cadre.top()};

    const QPen grille(QColor(0, 0, 0, 28), 1);
    // Graduations spaced by the font, the same on screen and on a 300 dpi page.
    const int nb_x = std::max(2, int(cadre.width() / (8 * fm.averageCharWidth())));
    const int nb_y = std::max(2, int(cadre.height() / (2.5 * fm.height())));
    const auto gx = graduations(x.v0, x.v1, nb_x);
    for (const double v : gx) {
        p.setPen(grille);
        p.drawLine(QPointF(x.px(v), cadre.top()), QPointF(x.px(v), cadre.bottom()));
        p.setPen(Qt::black);
        const QString t = nombre_fr(v, decimales(gx));
        p.drawText(QPointF(x.px(v) - fm.horizontalAdvance(t) / 2, cadre.bottom() + 4 + fm.ascent()), t);
    }
    const QString titre_x = QStringLiteral("distance (m)");
    p.drawText(QPointF(cadre.right() - fm.horizontalAdvance(titre_x), cadre.bottom() + 4 + fm.height() + fm.ascent()),
               titre_x);
    const auto gu = graduations(u.v0, u.v1, nb_y);
    for (const double v : gu) {
        p.setPen(grille);
        p.drawLine(QPointF(cadre.left(), u.px(v)), QPointF(cadre.right(), u.px(v)));
        p.setPen(bleu);
        const QString t = nombre_fr(v, decimales(gu)) + QStringLiteral(" V");
        p.drawText(QPointF(cadre.left() - 6 - fm.horizontalAdvance(t), u.px(v) + fm.ascent() / 2 - 1), t);
    }
    const auto ga = graduations(a.v0, a.v1, nb_y);
    p.setPen(rouge);
    for (const double v : ga)
        p.drawText(QPointF(cadre.right() + 6, a.px(v) + fm.ascent() / 2 - 1),
                   nombre_fr(v, decimales(ga)) + QStringLiteral(" dB"));
    p.drawText(QPointF(cadre.right() - fm.horizontalAdvance(QStringLiteral("A (dB)")), zone.top() + fm.ascent()),
               QStringLiteral("A (dB)"));
    p.setPen(bleu);
    p.drawText(QPointF(cadre.left(), zone.top() + fm.ascent()), QStringLiteral("ΔU (V)"));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadre);

    p.setClipRect(cadre.adjusted(-8 * epaisseur, -8 * epaisseur, 8 * epaisseur, 8 * epaisseur));
    if (ajustement) {
        p.setPen(QPen(rouge, 1.5 * epaisseur, Qt::DashLine));
        p.drawLine(QPointF(x.px(x.v0), a.px(ajustement->origine_db + ajustement->alpha_db_m * x.v0)),
                   QPointF(x.px(x.v1), a.px(ajustement->origine_db + ajustement->alpha_db_m * x.v1)));
    }
    const double r = 4 * epaisseur;
    for (const LigneLumiere& l : lignes) {
        if (!l.distance_m)
            continue;
        if (l.ecart_v) {
            p.setPen(QPen(bleu, epaisseur));
            p.setBrush(bleu);
            p.drawEllipse(QPointF(x.px(*l.distance_m), u.px(*l.ecart_v)), r, r);
        }
        if (l.attenuation_db) {
            p.setPen(QPen(rouge, epaisseur));
            p.setBrush(rouge);
            p.drawRect(QRectF(x.px(*l.distance_m) - r, a.px(*l.attenuation_db) - r, 2 * r, 2 * r));
        }
    }
    p.restore();
}

void dessiner_compte_rendu_lumiere(QPainter& p, const QRectF& page, const CompteRenduLumiere& c)
{
    const PageA4 feuille(p, page);
    const double mm = feuille.mm;
    const QRectF& zone = feuille.zone;
    const PolicesPage& polices = feuille.polices;
    const auto lignes = lignes_lumiere(c.releves);
    const auto ajustement = ajuster_attenuation(lignes);
    Colonne colonne(p, zone);
    colonne.ligne(QStringLiteral("Compte rendu : la lumière reçue et son atténuation"), polices.titre);
    colonne.ligne(c.date.toString(QStringLiteral("'Le' dd/MM/yyyy 'à' HH'h'mm")), polices.texte);
    colonne.ligne(QStringLiteral("ΔU = U allumé − U éteint : la lumière du laser seule ; A = 10·log10(ΔU₀ / ΔU), "
                                 "contre la première position."),
                  polices.texte);
    colonne.espace(3 * mm);
    QString tableau = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"97%\"><tr>");
    for (const QString& e : entetes_lumiere)
        tableau += QStringLiteral("<th>%1</th>").arg(e.toHtmlEscaped());
    tableau += QStringLiteral("</tr>");
    for (const LigneLumiere& l : lignes) {
        tableau += QStringLiteral("<tr>");
        for (const QString& cellule : cellules_lumiere(l))
            tableau += QStringLiteral("<td align=\"center\">%1</td>").arg(cellule.toHtmlEscaped());
        tableau += QStringLiteral("</tr>");
    }
    colonne.html(tableau + QStringLiteral("</table>"), polices.texte);
    colonne.espace(3 * mm);
    colonne.ligne(texte_ajustement(lignes, ajustement), polices.gras);
    colonne.espace(3 * mm);
    QFont petite = polices.texte;
    petite.setPointSizeF(8);
    p.setFont(petite);
    const QRectF cadre(zone.left(), colonne.y(), zone.width(),
                       std::min(zone.bottom() - colonne.y(), zone.height() * 0.45));
    dessiner_lumiere(p, cadre, lignes, ajustement, 300.0 / 96);
}

QString ecrire_compte_rendu_lumiere_pdf(const QString& chemin, const CompteRenduLumiere& c)
{
    return ecrire_pdf_a4(chemin, QStringLiteral("Lumière reçue"),
                         [&c](QPainter& p, const QRectF& page) { dessiner_compte_rendu_lumiere(p, page, c); });
}

} // namespace optolink
