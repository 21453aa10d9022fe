#include "sim/decoupeur_commandes.h"

namespace optolink::sim {

void DecoupeurCommandes::octet(char c)
{
    if (dans_ligne_) {
        if (c == '\r') {
            dans_ligne_ = false;
            if (!trop_longue_ && surLigne)
                surLigne(ligne_);
            ligne_.clear();
        } else if (ligne_.size() < longueur_max) {
            ligne_.append(c);
        } else {
            trop_longue_ = true;
        }
        return;
    }
    if (c == 'W') {
        dans_ligne_ = true;
        trop_longue_ = false;
        ligne_ = "W";
    } else if ((c == '\0' || c == ' ') && surLaser) {
        surLaser(c == '\0');
    }
}

QList<QByteArray> commandes_de_ligne(const QByteArray& ligne)
{
    QList<QByteArray> commandes;
    for (const char c : ligne) {
        if (c == 'W' || commandes.isEmpty())
            commandes.append(QByteArray());
        commandes.last().append(c);
    }
    return commandes;
}

} // namespace optolink::sim
