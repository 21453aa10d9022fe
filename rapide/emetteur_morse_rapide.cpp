#include "rapide/emetteur_morse_rapide.h"

#include "codages/abreviations.h"
#include "codages/attente.h"
#include "codages/envoi_lent.h"
#include "codages/morse.h"
#include "rapide/cadence.h"
#include "rapide/envoi_rapide.h"

#include <cmath>

namespace optolink {

namespace {

using enum CommandeLaser;

// Dot and dash lengths in calibration passes, with their floor for a machine too slow to count.
struct Longueurs {
    long nbpoint;
    long nbtrait;
};

Longueurs longueurs(double dureebit, long nbpassages)
{
    Longueurs l{static_cast<long>(std::floor(dureebit * (nbpassages * 0.05))),
                static_cast<long>(std::floor(dureebit * (nbpassages * 0.15)))};
    if (l.nbpoint < 10)
        l = {10, 30};
    return l;
}

// The calibration letter c and a dash-long gap, then every symbol of codemorse followed by a dot
// of darkness.
void jouer(Liaison& liaison, Horloge& horloge, const QString& codemorse, double point_s, double trait_s)
{
    Cadence cadence(liaison, horloge);
    for (const auto& [commande, duree_s] :
         {std::pair{allumer_laser_rapide, trait_s}, {eteindre_laser_rapide, point_s}, {allumer_laser_rapide, point_s},
          {eteindre_laser_rapide, point_s}, {allumer_laser_rapide, trait_s}, {eteindre_laser_rapide, point_s},
          {allumer_laser_rapide, point_s}, {eteindre_laser_rapide, trait_s}})
        cadence.element(commande, duree_s);
    for (const QChar symbole : codemorse) {
        if (symbole == u' ')
            cadence.element(eteindre_laser_rapide, trait_s);
        else
            cadence.element(allumer_laser_rapide, symbole == u'.' ? point_s : trait_s);
        cadence.element(eteindre_laser_rapide, point_s);
    }
}

} // namespace

void Btonenvoi_morserapide_Click(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                                 const QString& texte)
{
    Horloge& horloge = plateforme.horloge;
    etat.nbpassages = compter_passages(horloge);
    const Longueurs l = longueurs(etat.dureebit, etat.nbpassages);
    const double point_s = duree_passages_s(l.nbpoint, etat.nbpassages);
    const double trait_s = duree_passages_s(l.nbtrait, etat.nbpassages);

    commencer_envoi(plateforme.minuterie, evenements, Codage::morse_rapide);
    etat.message = abreger(texte);
    const double debutenvoi = horloge.maintenant_s();
    const CodeMorse code = coder_morse(etat.message);
    evenements.signal_prevu(code.affichagemorse);
    ceder_sans_attendre(plateforme.boucle);

    Laser laser(liaison, plateforme, etat);
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua(allumer_laser_rapide, Duree::secondes(1), false);
    etat.instantdepart = horloge.maintenant_s();
    laser.attendre_jusqua(eteindre_laser_rapide, Duree::secondes(0.35), false);

    jouer(liaison, horloge, code.codemorse, point_s, trait_s);

    finir_envoi_rapide(laser, plateforme, etat, evenements, debutenvoi, 0.2, false);
    terminer_envoi(plateforme, evenements, Codage::morse_rapide);
}

} // namespace optolink
