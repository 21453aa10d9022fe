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

Cadence::Cadence(Poste& poste) : poste_(poste), fin_s_(poste.horloge.maintenant_s())
{
    poste_.horloge.chronometrer(true);
}

Cadence::~Cadence() { poste_.horloge.chronometrer(false); }

void Cadence::element(CommandeLaser commande, double duree_s)
{
    ecrire_laser(poste_, commande);
    fin_s_ += duree_s;
    poste_.horloge.attendre_jusqua(fin_s_);
}

} // namespace optolink
