#include "fenetre/bouton_qt.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace optolink {

QRect BoutonQt::zone_du_libelle() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style's margin between the frame and the caption, shared by the four sides.
    const int marge = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(marge, marge, -marge, -marge);
}

void BoutonQt::paintEvent(QPaintEvent*)
{
    QStylePainter peintre(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString texte = option.text;
    option.text.clear();
    peintre.drawControl(QStyle::CE_PushButton, option);
    peintre.drawItemText(zone_du_libelle(), disposition, option.palette, isEnabled(), texte, QPalette::ButtonText);
}

} // namespace optolink
