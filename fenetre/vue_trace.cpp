#include "fenetre/vue_trace.h"

#include "dessin/axes.h"
#include "dessin/dessin_trace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace optolink {

namespace {
constexpr double pas_zoom = 1.25;
constexpr double part_deplacement = 0.2;
// A cursor within this many pixels of the pointer is taken, and a press that moves less is a click.
constexpr double portee_px = 6;
constexpr double tremblement_px = 3;
} // namespace

VueTrace::VueTrace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vue_trace"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(640, 360);
    setFont(police_dessin());
    setCursor(Qt::OpenHandCursor);
}

void VueTrace::montrer(std::optional<Trace> trace, const QString& sans_trace)
{
    trace_ = std::move(trace);
    sans_trace_ = sans_trace;
    curseurs_ = {};
    ajuster();
    if (surCurseurs)
        surCurseurs();
}

void VueTrace::ajuster()
{
    if (trace_)
        cadrage_ = cadreur(*trace_).ajuste();
    update();
}

void VueTrace::habiller(Habillage habillage)
{
    habillage_ = std::move(habillage);
    update();
}

void VueTrace::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    if (!trace_) {
        p.fillRect(rect(), Qt::white);
        p.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, sans_trace_);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    dessiner_trace(p, rect(), *trace_, cadrage_, curseurs_, habillage_);
}

double VueTrace::x_de(double t_s) const
{
    const QRectF zone = zone_des_mesures(font(), rect());
    return Echelle{cadrage_.debut_s, cadrage_.fin_s, zone.left(), zone.right()}.px(t_s);
}

int VueTrace::curseur_sous(double x) const
{
    int proche = 0;
    double ecart = portee_px;
    for (const auto& [numero, instant] : {std::pair{1, curseurs_.t1_s}, {2, curseurs_.t2_s}})
        if (instant && std::abs(x_de(*instant) - x) <= ecart) {
            ecart = std::abs(x_de(*instant) - x);
            proche = numero;
        }
    return proche;
}

void VueTrace::placer(int numero, double t_s, bool sur_un_front)
{
    if (!trace_)
        return;
    const double fin_s = cadreur(*trace_).ajuste().fin_s;
    t_s = std::clamp(sur_un_front ? front_le_plus_proche(*trace_, t_s) : t_s, 0.0, fin_s);
    curseur(numero) = t_s;
    curseur_actif_ = numero;
    update();
    if (surCurseurs)
        surCurseurs();
}

void VueTrace::cliquer(double x, bool sur_un_front)
{
    int numero = !curseurs_.t1_s ? 1 : !curseurs_.t2_s ? 2 : 0;
    if (numero == 0)
        numero = std::abs(x_de(*curseurs_.t1_s) - x) <= std::abs(x_de(*curseurs_.t2_s) - x) ? 1 : 2;
    placer(numero, temps_sous(x), sur_un_front);
}

double VueTrace::temps_sous(double x) const
{
    const QRectF zone = zone_des_mesures(font(), rect());
    return Echelle{cadrage_.debut_s, cadrage_.fin_s, zone.left(), zone.right()}.valeur(x);
}

void VueTrace::zoomer(double facteur, double autour_s)
{
    if (!trace_)
        return;
    cadrage_ = cadreur(*trace_).zoomer(cadrage_, facteur, autour_s);
    update();
}

void VueTrace::deplacer(double decalage_s)
{
    if (!trace_)
        return;
    cadrage_ = cadreur(*trace_).deplacer(cadrage_, decalage_s);
    update();
}

void VueTrace::wheelEvent(QWheelEvent* e)
{
    const double crans = e->angleDelta().y() / 120.0;
    if (crans != 0)
        zoomer(std::pow(pas_zoom, crans), temps_sous(e->position().x()));
    e->accept();
}

void VueTrace::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        glisse_depuis_x_ = e->position().x();
        glisse_ = false;
        curseur_tenu_ = curseur_sous(e->position().x());
        cadrage_au_clic_ = cadrage_;
        setCursor(curseur_tenu_ ? Qt::SizeHorCursor : Qt::ClosedHandCursor);
    }
}

void VueTrace::mouseMoveEvent(QMouseEvent* e)
{
    if (!glisse_depuis_x_ || !trace_)
        return;
    glisse_ = glisse_ || std::abs(e->position().x() - *glisse_depuis_x_) >= tremblement_px;
    if (curseur_tenu_) {
        placer(curseur_tenu_, temps_sous(e->position().x()), e->modifiers() & Qt::ShiftModifier);
        return;
    }
    const double par_pixel = cadrage_au_clic_.duree_s() / std::max(1.0, zone_des_mesures(font(), rect()).width());
    cadrage_ = cadreur(*trace_).deplacer(cadrage_au_clic_, (*glisse_depuis_x_ - e->position().x()) * par_pixel);
    update();
}

void VueTrace::mouseReleaseEvent(QMouseEvent* e)
{
    if (glisse_depuis_x_ && !glisse_ && !curseur_tenu_ && e->button() == Qt::LeftButton)
        cliquer(e->position().x(), e->modifiers() & Qt::ShiftModifier);
    glisse_depuis_x_.reset();
    curseur_tenu_ = 0;
    setCursor(Qt::OpenHandCursor);
}

void VueTrace::keyPressEvent(QKeyEvent* e)
{
    const double milieu = (cadrage_.debut_s + cadrage_.fin_s) / 2;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (ctrl && trace_ && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right)) {
        const double pas_s = trace_->periode_s * (e->modifiers() & Qt::ShiftModifier ? 10 : 1);
        const double depuis = curseur(curseur_actif_).value_or(milieu);
        placer(curseur_actif_, depuis + (e->key() == Qt::Key_Left ? -pas_s : pas_s), false);
        return;
    }
    switch (e->key()) {
    case Qt::Key_1:
    case Qt::Key_2:
        curseur_actif_ = e->key() == Qt::Key_1 ? 1 : 2;
        if (!curseur(curseur_actif_))
            placer(curseur_actif_, milieu, false);
        break;
    case Qt::Key_E:
        if (curseur(curseur_actif_))
            placer(curseur_actif_, *curseur(curseur_actif_), true);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        curseurs_ = {};
        update();
        if (surCurseurs)
            surCurseurs();
        break;
    case Qt::Key_F:
    case Qt::Key_Home:
        ajuster();
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomer(pas_zoom * pas_zoom, milieu);
        break;
    case Qt::Key_Minus:
        zoomer(1 / (pas_zoom * pas_zoom), milieu);
        break;
    case Qt::Key_Left:
        deplacer(-part_deplacement * cadrage_.duree_s());
        break;
    case Qt::Key_Right:
        deplacer(part_deplacement * cadrage_.duree_s());
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

} // namespace optolink
