#include "app/qt/vue_direct.h"

#include "app/dessin/axes.h"
#include "app/dessin/dessin_direct.h"

#include <QPainter>

namespace optolink {

namespace {
// The timer reads every 30 or 50 ms: looking twice as often shows every reading.
constexpr int regard_ms = 25;
} // namespace

VueDirect::VueDirect(Poste& poste, QWidget* parent) : QWidget(parent), poste_(poste)
{
    setObjectName(QStringLiteral("vue_direct"));
    setMinimumSize(640, 300);
    setFont(police_dessin());
    surveillance_.setInterval(regard_ms);
    connect(&surveillance_, &QTimer::timeout, this, [this] {
        if (poste_.signaux.version() != version_peinte_)
            update();
    });
}

void VueDirect::paintEvent(QPaintEvent*)
{
    version_peinte_ = poste_.signaux.version();
    QPainter p(this);
    p.setFont(font());
    p.setRenderHint(QPainter::Antialiasing);
    dessiner_direct(p, rect(), poste_.signaux, poste_.etat.tensionseuil);
}

void VueDirect::showEvent(QShowEvent*)
{
    surveillance_.start();
}

void VueDirect::hideEvent(QHideEvent*)
{
    surveillance_.stop();
}

} // namespace optolink
