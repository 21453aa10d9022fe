#pragma once

#include "link/minuterie.h"

#include <QTimer>

namespace optolink {

class MinuterieQt final : public Minuterie {
public:
    MinuterieQt()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(30);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tic(); });
    }
    void setInterval(int interval_ms) override { timer_.setInterval(interval_ms); }
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool actif) override
    {
        if (actif && !timer_.isActive())
            timer_.start();
        else if (!actif)
            timer_.stop();
    }
    bool enabled() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace optolink
