#include "fenetre/clignotement_qt.h"

#include <QApplication>
#include <QEvent>

namespace optolink {

ClignotementLimite::ClignotementLimite(int repos_ms) : periode_ms_(QApplication::cursorFlashTime())
{
    repos_.setSingleShot(true);
    repos_.setInterval(repos_ms);
    // The text boxes follow the change at once, their caret left shown.
    connect(&repos_, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
    qApp->installEventFilter(this);
    repos_.start();
}

ClignotementLimite::~ClignotementLimite()
{
    qApp->removeEventFilter(this);
    QApplication::setCursorFlashTime(periode_ms_);
}

bool ClignotementLimite::eventFilter(QObject*, QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
        if (QApplication::cursorFlashTime() != periode_ms_)
            QApplication::setCursorFlashTime(periode_ms_);
        repos_.start();
        break;
    default:
        break;
    }
    return false;
}

} // namespace optolink
