#pragma once

#include "liaison/horloge.h"
#include "liaison_qt/priorite_systeme.h"
#include "liaison_qt/sommeil.h"

#include <QElapsedTimer>

namespace optolink {

class HorlogeQt final : public Horloge {
public:
    HorlogeQt() { depart_.start(); }
    double maintenant_s() override { return static_cast<double>(depart_.nsecsElapsed()) * 1e-9; }
    void attendre_jusqua(double echeance_s) override;
    void chronometrer(bool actif) override;

private:
    QElapsedTimer depart_; // monotonic
    PrioriteSysteme priorite_;
    Sommeil sommeil_;
};

} // namespace optolink
