#pragma once

#include "liaison/minuterie.h"

#include <QElapsedTimer>
#include <QTimer>

namespace optolink {

class MinuterieQt final : public Minuterie {
public:
    MinuterieQt()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(30);
        QObject::connect(&timer_, &QTimer::timeout, [this] { sonner(); });
    }
    void setInterval(int interval_ms) override { timer_.setInterval(interval_ms); }
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool actif) override
    {
        if (actif && !timer_.isActive()) {
            timer_.start();
            dernier_tic_.invalidate();
        } else if (!actif) {
            timer_.stop();
        }
    }
    bool enabled() const override { return timer_.isActive(); }

private:
    // Qt keeps a periodic timer on its first schedule: after a tick that came late (the program
    // held up on a busy computer), the next one comes when the schedule says, possibly a few
    // milliseconds later, before the reply to the late tick's "WEA 0" can have crossed the line
    // (ten characters, 10 ms): its read is empty or cut, 0 V or nearly, a dark reading in the
    // middle of a light pulse. A tick more than a quarter of the interval late starts the schedule
    // afresh, so the next one comes a whole interval after it.
    void sonner()
    {
        if (dernier_tic_.isValid() && dernier_tic_.elapsed() > timer_.interval() * 5 / 4)
            timer_.start();
        dernier_tic_.start();
        tic();
    }

    QTimer timer_;
    QElapsedTimer dernier_tic_;
};

} // namespace optolink
