#include "banc/ordonnanceur_reel.h"

#include <algorithm>
#include <cmath>

namespace optolink::sim {

OrdonnanceurReel::OrdonnanceurReel() : reveil_precis_([this] { echoir(); })
{
    depart_.start();
    reveil_.setSingleShot(true);
    reveil_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&reveil_, &QTimer::timeout, [this] { echoir(); });
}

OrdonnanceurReel::~OrdonnanceurReel() = default;

double OrdonnanceurReel::maintenant_s() const { return static_cast<double>(depart_.nsecsElapsed()) * 1e-9; }

void OrdonnanceurReel::programmer(double instant_s, std::function<void()> action)
{
    const bool premier = evenements_.empty() || instant_s < evenements_.begin()->first;
    evenements_.emplace(instant_s, std::move(action));
    if (premier)
        armer();
}

void OrdonnanceurReel::armer()
{
    if (evenements_.empty())
        return;
    const double reste_s = std::max(0.0, evenements_.begin()->first - maintenant_s());
    if (reveil_precis_.disponible()) {
        reveil_precis_.armer(reste_s);
        return;
    }
    reveil_.start(static_cast<int>(std::floor(reste_s * 1000.0)));
}

void OrdonnanceurReel::echoir()
{
    for (double maintenant = maintenant_s(); !evenements_.empty() && evenements_.begin()->first <= maintenant;
         maintenant = maintenant_s()) {
        const double du_s = evenements_.begin()->first;
        auto action = std::move(evenements_.begin()->second);
        evenements_.erase(evenements_.begin());
        noter_retard(du_s, maintenant);
        action();
    }
    armer();
}

void OrdonnanceurReel::noter_retard(double du_s, double maintenant)
{
    const double retard_s = maintenant - du_s;
    pire_retard_s_ = std::max(pire_retard_s_, retard_s);
    if (retard_s > seuil_s) {
        if (!retard_)
            retard_ = Retard{du_s, du_s, 0, 0};
        retard_->fin_s = du_s;
        retard_->pire_s = std::max(retard_->pire_s, retard_s);
        ++retard_->evenements;
    }
    if (retard_ && (retard_s <= seuil_s || du_s - retard_->debut_s >= 1.0)) {
        if (retard_signale_)
            retard_signale_(*retard_);
        retard_.reset();
    }
}

} // namespace optolink::sim
