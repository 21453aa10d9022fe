#include "dessin/dessin_trace.h"

#include "dessin/axes.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace optolink {

namespace {

const QColor couleur_mesures(20, 60, 140);
const QColor couleur_lumiere(255, 236, 150, 150);
const QColor couleur_obscurite(200, 212, 230, 110);
const QColor couleur_etalonnage(150, 215, 150, 130);
const QColor couleur_arret(240, 120, 120, 150);
const QColor couleur_seuil(200, 30, 30);
const QColor couleur_seuil_initial(230, 140, 0);
const QColor couleur_rien(190, 40, 40);
// A character the comparison with the message sent found wrong: on a pink band, in bright red.
const QColor couleur_faux(215, 0, 0);
const QColor fond_faux(255, 205, 205);
const QColor couleur_curseur(120, 30, 160);

constexpr double marge = 8;

// Above the samples: three lines of heading, the legend, then the labels of the runs.
constexpr int lignes_au_dessus = 5;

QString nom_codage(CodageRapide c)
{
    return c == CodageRapide::morse ? QStringLiteral("Morse rapide") : QStringLiteral("Binaire rapide");
}

QString entete_origine(const Trace& t)
{
    const QString origine = t.origine.isEmpty() ? QStringLiteral("dernier enregistrement reçu")
                                                : QStringLiteral("fichier « %1 »").arg(QFileInfo(t.origine).fileName());
    const double duree = t.niveaux.empty() ? 0 : double(t.niveaux.size() - 1) * t.periode_s;
    return QStringLiteral("%1 · %2 · %3 mesures, une toutes les %4 ms (%5 s)")
        .arg(nom_codage(t.codage), origine)
        .arg(t.niveaux.size())
        .arg(nombre_fr(t.periode_s * 1000, 1), nombre_fr(duree, 2));
}

QString entete_lecture(const Lecture& l)
{
    QString texte = QStringLiteral("Seuil de départ %1 (%2 V) · seuil après étalonnage %3 (%4 V)")
                        .arg(l.seuil_initial)
                        .arg(nombre_fr(volts(l.seuil_initial), 2))
                        .arg(l.seuil)
                        .arg(nombre_fr(volts(l.seuil), 2));
    for (const LargeurLue& w : l.largeurs)
        texte += QStringLiteral(" · %1 = %2")
                     .arg(w.nom, nombre_fr(w.echantillons, w.echantillons == std::round(w.echantillons) ? 0 : 1));
    return texte + QStringLiteral(" mesures");
}

// A run's label: blanks made visible, a light run read as nothing marked; a calibration run
// shows its width, from which the decoder learns its own.
QString libelle(const PalierLu& p, bool etalonnage)
{
    if (etalonnage)
        return QString::number(p.longueur);
    if (p.arret)
        return p.longueur > 0 ? QStringLiteral("arrêt") : QStringLiteral("fin du fichier");
    if (p.lu.isEmpty())
        return p.lumiere ? QStringLiteral("×") : QString();
    if (p.lu.count(u' ') == p.lu.size())
        return p.lu.size() == 1 ? QStringLiteral("espace") : QStringLiteral("%1 espaces").arg(p.lu.size());
    return p.lu;
}

// Dots, dashes and bits stand out; the rest is commentary. Each font is built once with its
// metrics: a dense recording has hundreds of labels.
class Polices {
public:
    explicit Polices(const QFont& base) : normale_(base), grasse_(base), grande_(base), italique_(base)
    {
        grasse_.f.setBold(true);
        grande_.f.setBold(true);
        if (base.pixelSize() > 0)
            grande_.f.setPixelSize(base.pixelSize() * 2);
        italique_.f.setItalic(true);
        for (Police* p : {&grasse_, &grande_, &italique_})
            p->m = QFontMetricsF(p->f);
    }
    struct Police {
        explicit Police(const QFont& police) : f(police), m(police) {}
        QFont f;
        QFontMetricsF m;
    };
    const Police& de(const PalierLu& palier, bool etalonnage) const
    {
        if (etalonnage)
            return normale_;
        if (palier.arret || palier.lu.isEmpty() || palier.lu.count(u' ') == palier.lu.size())
            return italique_;
        return palier.lu == u"." || palier.lu == u"-" ? grande_ : grasse_;
    }

private:
    Police normale_, grasse_, grande_, italique_;
};

struct Repere {
    Echelle x; // seconds → pixels
    Echelle y; // raw units → pixels
    double periode_s;
    double x_de(int indice) const { return x.px(indice * periode_s); }
};

// Each cursor in view as a dashed line named at its top; the measure of both along the bottom of
// the samples, on a white ground so that it reads over the trace.
void dessiner_curseurs(QPainter& p, const Repere& r, const QRectF& trace, const Trace& t, const Curseurs& c)
{
    if (!c.t1_s && !c.t2_s)
        return;
    p.save();
    p.setPen(QPen(couleur_curseur, 1.5, Qt::DashLine));
    const QFontMetricsF fm(p.font());
    for (const auto& [instant, nom] : {std::pair{c.t1_s, "t1"}, {c.t2_s, "t2"}}) {
        if (!instant)
            continue;
        const double x = r.x.px(*instant);
        if (x < trace.left() || x > trace.right())
            continue;
        p.drawLine(QPointF(x, trace.top()), QPointF(x, trace.bottom()));
        p.drawText(QPointF(x + 3, trace.top() + fm.ascent()), QString::fromLatin1(nom));
    }
    if (const auto m = mesurer(c, t)) {
        const QString texte = texte_mesure(*m);
        const QRectF cadre(trace.left() + 4, trace.bottom() - fm.height() - 6, fm.horizontalAdvance(texte) + 8,
                           fm.height() + 4);
        p.fillRect(cadre, QColor(255, 255, 255, 230));
        p.setPen(couleur_curseur);
        p.drawText(cadre, Qt::AlignCenter, texte);
    }
    p.restore();
}

void ombrer(QPainter& p, const Repere& r, const QRectF& trace, const PalierLu& palier, const QColor& couleur)
{
    const double x0 = std::max(r.x_de(palier.debut), trace.left());
    const double x1 = std::min(r.x_de(palier.debut + palier.longueur), trace.right());
    if (x1 > x0)
        p.fillRect(QRectF(x0, trace.top(), x1 - x0, trace.height()), couleur);
}

// One vertical stroke per pixel column from the lowest to the highest sample in it when the
// samples are denser than the pixels, the steps of every sample otherwise. The strokes sit on
// pixel centres and need no smoothing, which would cost more than the rest of the drawing.
void dessiner_mesures(QPainter& p, const Repere& r, const QRectF& trace, const std::vector<int>& niveaux,
                      double epaisseur)
{
    if (niveaux.empty())
        return;
    const int n = static_cast<int>(niveaux.size());
    const int premier = std::clamp(static_cast<int>(r.x.valeur(trace.left()) / r.periode_s), 0, n - 1);
    const int dernier = std::clamp(static_cast<int>(r.x.valeur(trace.right()) / r.periode_s) + 1, 0, n - 1);
    const double par_pixel = (dernier - premier + 1) / std::max(trace.width(), 1.0);
    p.save();
    if (par_pixel > 2) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(couleur_mesures, epaisseur));
        std::vector<QLineF> traits;
        traits.reserve(static_cast<std::size_t>(trace.width()) * 2 + 2);
        std::optional<QPointF> precedent;
        int i = premier;
        for (double x = std::floor(trace.left()) + 0.5; i <= dernier; x += 1) {
            int bas = niveaux[i], haut = niveaux[i];
            for (; i <= dernier && r.x_de(i) < x + 0.5; ++i) {
                bas = std::min(bas, niveaux[i]);
                haut = std::max(haut, niveaux[i]);
            }
            const QPointF a(x, r.y.px(haut)), b(x, r.y.px(bas));
            if (precedent)
                traits.emplace_back(*precedent, a.y() < precedent->y() ? b : a);
            traits.emplace_back(a, b);
            precedent = b;
        }
        p.drawLines(traits.data(), static_cast<int>(traits.size()));
    } else {
        p.setPen(QPen(couleur_mesures, 1.5 * epaisseur));
        std::vector<QPointF> points;
        points.reserve(static_cast<std::size_t>(dernier - premier + 1) * 2);
        points.emplace_back(r.x_de(premier), r.y.px(niveaux[premier]));
        for (int i = premier + 1; i <= dernier; ++i) {
            points.emplace_back(r.x_de(i), r.y.px(niveaux[i - 1]));
            points.emplace_back(r.x_de(i), r.y.px(niveaux[i]));
        }
        p.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    p.restore();
}

void dessiner_seuil(QPainter& p, const Repere& r, const QRectF& trace, int seuil, const QColor& couleur,
                    Qt::PenStyle style, const QString& nom)
{
    const double y = r.y.px(seuil);
    p.setPen(QPen(couleur, 1.5, style));
    p.drawLine(QPointF(trace.left(), y), QPointF(trace.right(), y));
    const QFontMetricsF fm(p.font());
    p.drawText(QPointF(trace.right() + 4, y + fm.ascent() / 2 - 1), nom);
}

// What each run became, in a band just above the samples. A symbol of the code may spill over
// its run as long as it does not run into the previous one; commentary (blanks, widths) only
// where its run has room for it.
void dessiner_libelles(QPainter& p, const Repere& r, const QRectF& trace, const std::vector<PalierLu>& paliers,
                       bool etalonnage)
{
    const Polices polices(p.font());
    const double y = trace.top() - 4 - QFontMetricsF(p.font()).descent();
    double libre_apres = trace.left();
    const QFont* en_cours = nullptr;
    p.save();
    for (const PalierLu& palier : paliers) {
        const double x0 = r.x_de(palier.debut);
        const double x1 = r.x_de(palier.debut + palier.longueur);
        if (x1 < trace.left() || x0 > trace.right())
            continue;
        const QString texte = libelle(palier, etalonnage);
        if (texte.isEmpty())
            continue;
        const Polices::Police& police = polices.de(palier, etalonnage);
        const double largeur = police.m.horizontalAdvance(texte);
        const double milieu = std::clamp((x0 + x1) / 2, trace.left() + largeur / 2, trace.right() - largeur / 2);
        const double gauche = milieu - largeur / 2;
        const bool symbole = !etalonnage && palier.lumiere;
        if (symbole ? gauche < libre_apres + 3 : largeur + 2 > x1 - x0)
            continue;
        const bool fautif = palier.lu.isEmpty() && palier.longueur > 0;
        p.setPen(!etalonnage && fautif ? couleur_rien : QColor(30, 30, 30));
        if (en_cours != &police.f) {
            p.setFont(police.f);
            en_cours = &police.f;
        }
        p.drawText(QPointF(gauche, y), texte);
        libre_apres = std::max(libre_apres, gauche + largeur);
    }
    p.restore();
}

// Each character under the samples it came from, with a bracket over them; a wrong one in red.
void dessiner_caracteres(QPainter& p, const Repere& r, const QRectF& trace, const std::vector<CaractereLu>& caracteres,
                         const std::vector<int>& faux)
{
    QFont gras = p.font();
    gras.setBold(true);
    p.save();
    p.setFont(gras);
    const QFontMetricsF fm(gras);
    const double haut = trace.bottom() + 2 * fm.height() + 6;
    for (std::size_t k = 0; k < caracteres.size(); ++k) {
        const CaractereLu& c = caracteres[k];
        const bool errone = std::ranges::find(faux, static_cast<int>(k)) != faux.end();
        const double x0 = r.x_de(c.debut);
        const double x1 = r.x_de(c.fin + 1);
        if (x1 < trace.left() || x0 > trace.right() || (c.texte == u" " && !errone))
            continue;
        const QString texte = c.texte.isEmpty() ? QStringLiteral("?") : c.texte == u" " ? QStringLiteral("␣") : c.texte;
        p.setPen(QPen(errone ? couleur_faux : c.texte.isEmpty() ? couleur_rien : QColor(0, 110, 60), errone ? 2 : 1));
        const double a = std::max(x0, trace.left()), b = std::min(x1, trace.right());
        if (errone)
            p.fillRect(QRectF(a, haut, b - a, fm.height() + 2), fond_faux);
        p.drawLine(QPointF(a, haut), QPointF(b, haut));
        p.drawLine(QPointF(a, haut), QPointF(a, haut - 3));
        p.drawLine(QPointF(b, haut), QPointF(b, haut - 3));
        const double largeur = fm.horizontalAdvance(texte);
        if (largeur <= b - a + 12)
            p.drawText(QPointF((a + b - largeur) / 2, haut + fm.ascent() + 1), texte);
    }
    p.restore();
}

// The meaning of the shades, ending at droite on the baseline y.
void dessiner_legende(QPainter& p, double droite, double y)
{
    const QFontMetricsF fm(p.font());
    const std::pair<QColor, QString> entrees[] = {{couleur_lumiere, QStringLiteral("lumière")},
        {couleur_obscurite, QStringLiteral("obscurité")}, {couleur_etalonnage, QStringLiteral("étalonnage")},
        {couleur_arret, QStringLiteral("arrêt de la lecture")}};
    const double carre = fm.ascent() - 2;
    double largeur = 0;
    for (const auto& e : entrees)
        largeur += carre + 4 + fm.horizontalAdvance(e.second) + 14;
    double x = droite - largeur + 14;
    for (const auto& [couleur, nom] : entrees) {
        const QRectF c(x, y - fm.ascent() + 1, carre, carre);
        p.fillRect(c, couleur);
        p.setPen(QColor(120, 120, 120));
        p.drawRect(c);
        p.setPen(QColor(30, 30, 30));
        p.drawText(QPointF(c.right() + 4, y), nom);
        x = c.right() + 4 + fm.horizontalAdvance(nom) + 14;
    }
}

} // namespace

QRectF zone_des_mesures(const QFont& police, const QRectF& zone)
{
    const QFontMetricsF fm(police);
    const double ligne = fm.height();
    const double gauche = zone.left() + marge + fm.horizontalAdvance(QStringLiteral("20,00 V")) + 8;
    const double droite = zone.right() - marge - fm.horizontalAdvance(QStringLiteral("seuil de départ")) - 6;
    const double haut = zone.top() + marge + lignes_au_dessus * ligne + 4;
    const double bas = zone.bottom() - marge - 3.5 * ligne - 8;
    return QRectF(QPointF(gauche, haut), QPointF(std::max(droite, gauche + 1), std::max(bas, haut + 1)));
}

Cadreur cadreur(const Trace& trace)
{
    const double total = std::max<double>(static_cast<double>(trace.niveaux.size()) - 1, 1) * trace.periode_s;
    return Cadreur(total, 20 * trace.periode_s);
}

void dessiner_trace(QPainter& p, const QRectF& zone, const Trace& trace, const Cadrage& cadrage,
                    const Curseurs& curseurs, const Habillage& habillage)
{
    p.save();
    p.fillRect(zone, Qt::white);
    const QFontMetricsF fm(p.font());
    const QRectF mesures = zone_des_mesures(p.font(), zone);

    int bas = std::min({0, trace.lecture.seuil, trace.lecture.seuil_initial});
    int haut = std::max({10, trace.lecture.seuil, trace.lecture.seuil_initial});
    for (const int v : trace.niveaux) {
        bas = std::min(bas, v);
        haut = std::max(haut, v);
    }
    const double marge_haut = (haut - bas) * 0.08;
    const Repere r{{cadrage.debut_s, cadrage.fin_s, mesures.left(), mesures.right()},
                   {bas - marge_haut * 0.2, haut + marge_haut, mesures.bottom(), mesures.top()},
                   trace.periode_s};

    const QFont normale = p.font();
    QFont grasse = normale;
    grasse.setBold(true);
    const double x = zone.left() + marge;
    double y = zone.top() + marge + fm.ascent();
    p.setPen(QColor(20, 20, 20));
    p.setFont(grasse);
    p.drawText(QPointF(x, y), entete_origine(trace));
    p.setFont(normale);
    y += fm.height();
    p.drawText(QPointF(x, y), entete_lecture(trace.lecture));
    y += fm.height();
    const QString message = QStringLiteral("Message lu : « %1 »").arg(trace.message);
    p.drawText(QPointF(x, y), fm.elidedText(message, Qt::ElideRight, mesures.width()));
    dessiner_legende(p, mesures.right(), y + fm.height());

    p.save();
    p.setClipRect(mesures);
    for (const PalierLu& palier : trace.lecture.paliers)
        ombrer(p, r, mesures, palier,
               palier.arret ? couleur_arret : palier.lumiere ? couleur_lumiere : couleur_obscurite);
    for (const PalierLu& palier : trace.lecture.calibration)
        ombrer(p, r, mesures, palier, couleur_etalonnage);
    p.restore();

    dessiner_axes(p, mesures, Echelle{r.x}, Echelle{volts(r.y.v0), volts(r.y.v1), r.y.p0, r.y.p1});
    p.save();
    p.setClipRect(mesures.adjusted(0, -2, 0, 2));
    dessiner_mesures(p, r, mesures, trace.niveaux, habillage.epaisseur);
    p.restore();
    dessiner_seuil(p, r, mesures, trace.lecture.seuil_initial, couleur_seuil_initial, Qt::DashLine,
                   QStringLiteral("seuil de départ"));
    dessiner_seuil(p, r, mesures, trace.lecture.seuil, couleur_seuil, Qt::SolidLine, QStringLiteral("seuil"));
    dessiner_libelles(p, r, mesures, trace.lecture.calibration, true);
    dessiner_libelles(p, r, mesures, trace.lecture.paliers, false);
    dessiner_caracteres(p, r, mesures, trace.lecture.caracteres, habillage.caracteres_faux);
    dessiner_curseurs(p, r, mesures, trace, curseurs);
    p.restore();
}

} // namespace optolink
