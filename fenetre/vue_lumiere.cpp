#include "fenetre/vue_lumiere.h"

#include "dessin/axes.h"
#include "dessin/dessin_lumiere.h"

#include <QPainter>

namespace optolink {

VueLumiere::VueLumiere(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vue_lumiere"));
    setMinimumSize(360, 240);
    setFont(police_dessin());
}

void VueLumiere::montrer(std::vector<LigneLumiere> lignes, std::optional<Ajustement> ajustement)
{
    lignes_ = std::move(lignes);
    ajustement_ = ajustement;
    update();
}

void VueLumiere::grossir(double epaisseur)
{
    epaisseur_ = epaisseur;
    update();
}

void VueLumiere::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    dessiner_lumiere(p, QRectF(rect()).adjusted(4, 4, -4, -4), lignes_, ajustement_, epaisseur_);
}

} // namespace optolink
