#include "liaison_qt/boucle_qt.h"

#include <QCoreApplication>

#include <cmath>

namespace optolink {

namespace {
// Below this the end of a step is closer than the timer's resolution: poll instead of sleeping.
constexpr double seuil_scrutation_s = 0.002;
} // namespace

BoucleQt::BoucleQt(Horloge& horloge) : horloge_(horloge)
{
    reveil_.setSingleShot(true);
    reveil_.setTimerType(Qt::PreciseTimer);
}

void BoucleQt::ceder(double echeance_s)
{
    for (auto& action : avant_)
        action();
    if (echeance_s != jamais_s) {
        const double reste = echeance_s - horloge_.maintenant_s();
        if (reste < seuil_scrutation_s) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            return;
        }
        reveil_.start(static_cast<int>(std::floor((reste - 0.001) * 1000.0)));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    reveil_.stop();
}

} // namespace optolink
