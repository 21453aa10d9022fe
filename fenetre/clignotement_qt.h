#pragma once

#include <QObject>
#include <QTimer>

namespace optolink {

// The text caret stops blinking once the keyboard and the mouse have been still for a while, and
// blinks again at the next key, click or wheel turn, as the desktops of Linux do it. A program
// waiting for light would otherwise redraw its text box twice a second for nobody: more processor
// time than all its readings of the interface.
class ClignotementLimite final : public QObject {
public:
    explicit ClignotementLimite(int repos_ms = 10'000);
    ~ClignotementLimite() override;
    ClignotementLimite(const ClignotementLimite&) = delete;
    ClignotementLimite& operator=(const ClignotementLimite&) = delete;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    int periode_ms_; // the caret's blink, as the desktop sets it
    QTimer repos_;
};

} // namespace optolink
