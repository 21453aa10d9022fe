#include "app/qt/bouton_qt.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace optolink {

void BoutonQt::paintEvent(QPaintEvent*)
{
    QStylePainter peintre(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString texte = option.text;
    option.text.clear();
    peintre.drawControl(QStyle::CE_PushButton, option);
    const QRect zone = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    peintre.drawItemText(zone, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette,
        isEnabled(), texte, QPalette::ButtonText);
}

} // namespace optolink
