#include "banc/ordonnanceur_reel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace optolink::sim {

OrdonnanceurReel::OrdonnanceurReel()
{
    depart_.start();
    reveil_.setSingleShot(true);
    reveil_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&reveil_, &QTimer::timeout, [this] { echoir(); });
#ifdef Q_OS_LINUX
    minuteur_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (minuteur_ >= 0) {
        reveil_fd_ = std::make_unique<QSocketNotifier>(minuteur_, QSocketNotifier::Read);
        QObject::connect(reveil_fd_.get(), &QSocketNotifier::activated, [this] {
            std::uint64_t expirations = 0;
            [[maybe_unused]] const auto n = ::read(minuteur_, &expirations, sizeof expirations);
            echoir();
        });
    }
#endif
}

OrdonnanceurReel::~OrdonnanceurReel()
{
    reveil_fd_.reset();
#ifdef Q_OS_LINUX
    if (minuteur_ >= 0)
        ::close(minuteur_);
#endif
}

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
#ifdef Q_OS_LINUX
    if (minuteur_ >= 0) {
        // A relative wait; zero would disarm the timer, so an event already due waits 1 ns.
        const auto ns = std::max<long long>(1, std::llround(reste_s * 1e9));
        itimerspec echeance{};
        echeance.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
        echeance.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        timerfd_settime(minuteur_, 0, &echeance, nullptr);
        return;
    }
#endif
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
