#include "rapide/cadence.h"

namespace optolink {

long compter_passages(Horloge& horloge)
{
    const double debut = horloge.maintenant_s();
    long nbpassages = 0;
    do
        ++nbpassages;
    while (horloge.maintenant_s() - debut < 1.0);
    return nbpassages;
}

Cadence::Cadence(Liaison& liaison, Horloge& horloge)
    : liaison_(liaison), horloge_(horloge), fin_s_(horloge.maintenant_s())
{
    horloge_.chronometrer(true);
}

Cadence::~Cadence() { horloge_.chronometrer(false); }

void Cadence::element(CommandeLaser commande, double duree_s)
{
    ecrire_laser(liaison_, commande);
    fin_s_ += duree_s;
    horloge_.attendre_jusqua(fin_s_);
}

} // namespace optolink
