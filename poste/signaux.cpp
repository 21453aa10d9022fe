#include "poste/signaux.h"

namespace optolink {

void Signaux::noter_tension(double t_s, double tension_v)
{
    tensions_.push_back({t_s, tension_v});
    oublier_avant(t_s - duree_direct_s);
    ++version_;
}

void Signaux::noter_impulsion(double debut_s, double fin_s, const QString& sorte)
{
    impulsions_.push_back({debut_s, fin_s, sorte});
    if (sorte == u"début")
        reception_lente_.clear();
    reception_lente_.push_back({debut_s, fin_s, sorte});
    ++version_;
}

void Signaux::reception_terminee()
{
    surReception();
}

void Signaux::oublier_avant(double t_s)
{
    while (!tensions_.empty() && tensions_.front().t_s < t_s)
        tensions_.pop_front();
    while (!impulsions_.empty() && impulsions_.front().fin_s < t_s)
        impulsions_.pop_front();
}

} // namespace optolink
