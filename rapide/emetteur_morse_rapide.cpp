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
void jouer(Poste& poste, const QString& codemorse, double point_s, double trait_s)
{
    Cadence cadence(poste);
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

void Btonenvoi_morserapide_Click(Poste& poste)
{
    Etat& etat = poste.etat;
    FenetrePrincipale& f = poste.fenetre;
    etat.nbpassages = compter_passages(poste.horloge);
    const Longueurs l = longueurs(etat.dureebit, etat.nbpassages);
    const double point_s = duree_passages_s(l.nbpoint, etat.nbpassages);
    const double trait_s = duree_passages_s(l.nbtrait, etat.nbpassages);

    preparer_envoi_rapide(poste, &FenetrePrincipale::Btonenvoi_morserapide);
    etat.message = abreger(f.Texte1.Text);
    f.Etiquette2.Caption = " ENVOI DU CODE MORSE rapide EN COURS (message de durée " + duree_enregistrement(etat)
                           + " maximum)";
    const double debutenvoi = poste.horloge.maintenant_s();
    f.montrer();
    const CodeMorse code = coder_morse(etat.message);
    f.Texte2.Text = code.affichagemorse;
    f.montrer();
    ceder_sans_attendre(poste);

    etat.instantdepart = poste.horloge.maintenant_s();
    attendre_jusqua(poste, allumer_laser_rapide, Duree::secondes(1), false);
    etat.instantdepart = poste.horloge.maintenant_s();
    attendre_jusqua(poste, eteindre_laser_rapide, Duree::secondes(0.35), false);

    jouer(poste, code.codemorse, point_s, trait_s);

    finir_envoi_rapide(poste, debutenvoi, 0.2, false);
    terminer_envoi(poste, &FenetrePrincipale::Btonenvoi_morserapide,
                   " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(9, u' '));
}

} // namespace optolink
