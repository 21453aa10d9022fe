#include "fenetre/grand_affichage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace optolink {

void appliquer_grand_affichage(QWidget* fenetre, bool grand)
{
    QFont police = QApplication::font();
    if (grand)
        police.setPointSizeF(police.pointSizeF() * 2);
    fenetre->setFont(police);
    QPalette palette = QApplication::palette();
    if (grand) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, Qt::white);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, Qt::black);
    }
    fenetre->setPalette(palette);
    // The whole screen even where no window manager honours the request; the window's place is
    // given back afterwards.
    const char* const place = "geometrie_normale";
    if (grand) {
        if (!fenetre->property(place).isValid())
            fenetre->setProperty(place, fenetre->geometry());
        fenetre->showFullScreen();
        fenetre->setGeometry(fenetre->screen()->geometry());
    } else if (const QVariant normale = fenetre->property(place); normale.isValid()) {
        fenetre->showNormal();
        fenetre->setGeometry(normale.toRect());
        fenetre->setProperty(place, QVariant());
    }
}

void raccourci_grand_affichage(QWidget* fenetre, QAbstractButton* bouton)
{
    bouton->setCheckable(true);
    auto* f11 = new QAction(fenetre);
    f11->setShortcut(Qt::Key_F11);
    f11->setShortcutContext(Qt::WindowShortcut);
    fenetre->addAction(f11);
    QObject::connect(f11, &QAction::triggered, bouton, &QAbstractButton::toggle);
}

} // namespace optolink
