#pragma once

#include "link/horloge.h"

#include <QElapsedTimer>

namespace optolink {

class HorlogeQt final : public Horloge {
public:
    HorlogeQt() { depart_.start(); }
    double maintenant_s() override { return static_cast<double>(depart_.nsecsElapsed()) * 1e-9; }
    void attendre_jusqua(double echeance_s) override;

private:
    QElapsedTimer depart_; // monotonic
};

} // namespace optolink
