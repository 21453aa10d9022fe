#pragma once

#include <QPushButton>

namespace optolink {

// A push button whose caption wraps onto several lines, as the main window's large buttons
// show their long captions; "&" still marks the access key.
class BoutonQt final : public QPushButton {
public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, and how: whatever the caption needs beyond this place is cut off.
    QRect zone_du_libelle() const;
    static constexpr int disposition = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

} // namespace optolink
