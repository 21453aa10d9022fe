#pragma once

#include "app/poste.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace optolink {

// The live strip chart: repainted when the station has read something new, only while shown.
class VueDirect final : public QWidget {
public:
    VueDirect(Poste& poste, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

private:
    Poste& poste_;
    QTimer surveillance_;
    std::uint64_t version_peinte_ = 0;
};

} // namespace optolink
