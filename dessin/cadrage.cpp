#include "dessin/cadrage.h"

#include <algorithm>

namespace optolink {

Cadreur::Cadreur(double duree_totale_s, double plus_petit_s)
    : duree_totale_s_(std::max(duree_totale_s, plus_petit_s)), plus_petit_s_(plus_petit_s)
{
}

Cadrage Cadreur::zoomer(Cadrage c, double facteur, double autour_s) const
{
    const double duree = std::clamp(c.duree_s() / facteur, plus_petit_s_, duree_totale_s_);
    const double part = c.duree_s() > 0 ? (autour_s - c.debut_s) / c.duree_s() : 0.5;
    const double debut = autour_s - part * duree;
    return borner({debut, debut + duree});
}

Cadrage Cadreur::deplacer(Cadrage c, double decalage_s) const
{
    return borner({c.debut_s + decalage_s, c.fin_s + decalage_s});
}

Cadrage Cadreur::borner(Cadrage c) const
{
    const double duree = std::clamp(c.duree_s(), plus_petit_s_, duree_totale_s_);
    const double debut = std::clamp(c.debut_s, 0.0, duree_totale_s_ - duree);
    return {debut, debut + duree};
}

} // namespace optolink
