#include "sim/bench/ordonnanceur_reel.h"

#include <cmath>

namespace optolink::sim {

OrdonnanceurReel::OrdonnanceurReel()
{
    depart_.start();
    reveil_.setSingleShot(true);
    reveil_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&reveil_, &QTimer::timeout, [this] { echoir(); });
}

void OrdonnanceurReel::programmer(double instant_s, std::function<void()> action)
{
    const bool premier = evenements_.empty() || instant_s < evenements_.begin()->first;
    evenements_.emplace(instant_s, std::move(action));
    if (premier)
        armer();
}

void OrdonnanceurReel::armer()
{
    if (evenements_.empty()) {
        reveil_.stop();
        return;
    }
    const double reste_s = evenements_.begin()->first - maintenant_s();
    reveil_.start(reste_s <= 0 ? 0 : static_cast<int>(std::floor(reste_s * 1000.0)));
}

void OrdonnanceurReel::echoir()
{
    while (!evenements_.empty() && evenements_.begin()->first <= maintenant_s()) {
        auto action = std::move(evenements_.begin()->second);
        evenements_.erase(evenements_.begin());
        action();
    }
    armer();
}

} // namespace optolink::sim
