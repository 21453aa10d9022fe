#pragma once

#include <QPushButton>

namespace optolink {

// A push button whose caption wraps onto several lines, as the main window's large buttons
// show their long captions; "&" still marks the access key.
class BoutonQt final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

} // namespace optolink
