#include "fenetre/vue_direct.h"

#include "dessin/axes.h"
#include "dessin/dessin_direct.h"

#include <QPainter>

#include <cmath>

namespace optolink {

namespace {
// Ten pictures a second scroll smoothly enough for readings taken every 30 or 50 ms, at a tenth
// of the cost of one picture per reading.
constexpr int regard_ms = 100;
} // namespace

VueDirect::VueDirect(const Signaux& signaux, const Etat& etat, QWidget* parent)
    : QWidget(parent), signaux_(signaux), etat_(etat)
{
    setObjectName(QStringLiteral("vue_direct"));
    setMinimumSize(640, 300);
    setFont(police_dessin());
    surveillance_.setInterval(regard_ms);
    connect(&surveillance_, &QTimer::timeout, this, [this] { regarder(); });
}

std::optional<VueDirect::Apercu> VueDirect::apercu() const
{
    const Signaux& s = signaux_;
    if (s.tensions().empty() || !s.impulsions().empty())
        return std::nullopt;
    const double echelle = echelle_direct_v(s, etat_.tensionseuil);
    const auto rangee = [&](double v) { return static_cast<int>(std::lround(v / echelle * height())); };
    const int premiere = rangee(s.tensions().front().tension_v);
    for (const TensionLue& t : s.tensions())
        if (rangee(t.tension_v) != premiere)
            return std::nullopt;
    return Apercu{premiere, echelle, width(), height()};
}

void VueDirect::regarder()
{
    if (signaux_.version() == version_peinte_)
        return;
    const auto a = apercu();
    if (a && a == apercu_peint_) {
        version_peinte_ = signaux_.version();
        return;
    }
    update();
}

void VueDirect::paintEvent(QPaintEvent*)
{
    version_peinte_ = signaux_.version();
    apercu_peint_ = apercu();
    QPainter p(this);
    p.setFont(font());
    bande_.dessiner(p, rect(), signaux_, etat_.tensionseuil);
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
