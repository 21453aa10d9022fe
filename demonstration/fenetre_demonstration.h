#pragma once

#include "demonstration/lanceur.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace optolink::demonstration {

// The small window of the demonstration: what to answer in each program window, what the bench
// stands for, where the example recordings are, the light each photodiode receives; closing it
// ends the demonstration.
class FenetreDemonstration : public QWidget {
public:
    FenetreDemonstration(Lanceur& lanceur, const std::array<int, 2>& ports, const QString& exemples);

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    QGroupBox* reglages_lumiere(const std::array<int, 2>& ports);

    Lanceur& lanceur_;
    QLabel* etat_;
};

} // namespace optolink::demonstration
