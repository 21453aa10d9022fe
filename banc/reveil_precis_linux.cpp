#include "banc/reveil_precis.h"

#include <QSocketNotifier>

#include <cmath>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace optolink::sim {

struct ReveilPrecis::Systeme {
    int minuteur = -1;
    std::unique_ptr<QSocketNotifier> avis;
    ~Systeme()
    {
        avis.reset();
        ::close(minuteur);
    }
};

ReveilPrecis::ReveilPrecis(std::function<void()> action)
{
    const int minuteur = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (minuteur < 0)
        return;
    systeme_ = std::make_unique<Systeme>();
    systeme_->minuteur = minuteur;
    systeme_->avis = std::make_unique<QSocketNotifier>(minuteur, QSocketNotifier::Read);
    QObject::connect(systeme_->avis.get(), &QSocketNotifier::activated, [minuteur, action = std::move(action)] {
        std::uint64_t expirations = 0;
        [[maybe_unused]] const auto n = ::read(minuteur, &expirations, sizeof expirations);
        action();
    });
}

ReveilPrecis::~ReveilPrecis() = default;

void ReveilPrecis::armer(double dans_s)
{
    // A relative wait; zero would disarm the timer, so a wake-up already due waits 1 ns.
    const auto ns = std::max<long long>(1, std::llround(dans_s * 1e9));
    itimerspec echeance{};
    echeance.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
    echeance.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
    timerfd_settime(systeme_->minuteur, 0, &echeance, nullptr);
}

} // namespace optolink::sim
