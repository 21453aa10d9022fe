#include "app/qt/vue_trace.h"

#include "app/dessin/axes.h"
#include "app/dessin/dessin_trace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace optolink {

namespace {
constexpr double pas_zoom = 1.25;
constexpr double part_deplacement = 0.2;
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
    ajuster();
}

void VueTrace::ajuster()
{
    if (trace_)
        cadrage_ = cadreur(*trace_).ajuste();
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
    dessiner_trace(p, rect(), *trace_, cadrage_);
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
        cadrage_au_clic_ = cadrage_;
        setCursor(Qt::ClosedHandCursor);
    }
}

void VueTrace::mouseMoveEvent(QMouseEvent* e)
{
    if (!glisse_depuis_x_ || !trace_)
        return;
    const double par_pixel = cadrage_au_clic_.duree_s() / std::max(1.0, zone_des_mesures(font(), rect()).width());
    cadrage_ = cadreur(*trace_).deplacer(cadrage_au_clic_, (*glisse_depuis_x_ - e->position().x()) * par_pixel);
    update();
}

void VueTrace::mouseReleaseEvent(QMouseEvent*)
{
    glisse_depuis_x_.reset();
    setCursor(Qt::OpenHandCursor);
}

void VueTrace::keyPressEvent(QKeyEvent* e)
{
    const double milieu = (cadrage_.debut_s + cadrage_.fin_s) / 2;
    switch (e->key()) {
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
