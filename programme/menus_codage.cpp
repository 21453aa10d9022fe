#include "programme/laser_continu.h"
#include "programme/menus.h"
#include "programme/presentation_codage.h"

namespace optolink {

namespace {

QString avertissement(Codage code)
{
    if (code == Codage::morse)
        return "Attention ! changement de codage en morse (lent)    modifier de même le programme sur le deuxième "
               "ordinateur (menu Réglage Minuterie à 50 ms conseillé)";
    if (code == Codage::binaire)
        return "Attention ! changement de codage en binaire (lent)    modifier de même le programme sur le "
               "deuxième ordinateur (menu Réglage Minuterie à 30 ms conseillé)";
    if (code == Codage::morse_rapide)
        return "Attention ! changement de codage en morse (rapide)    modifier de même le programme sur le "
               "deuxième ordinateur";
    return "Attention ! changement de codage en binaire (rapide)   modifier de même le programme sur le deuxième "
           "ordinateur";
}

} // namespace

void changer_codage(Poste& poste, const ChoixCodage& choix)
{
    FenetrePrincipale& f = poste.fenetre;
    const auto& code = choix.code;
    eteindre_laser_continu(poste);
    poste.etat.typecodage = code;
    boutons_envoi(f, code);
    libelles_codage(f, code);
    f.Texte2.Text = avertissement(code);
    minuterie_codage(f, poste.plateforme.minuterie, code);
    questions_codage(f, code);
    if (choix.nbmesuresmax)
        poste.etat.nbmesuresmax = *choix.nbmesuresmax;
    f.Texte1.Text = choix.conseil;
}

} // namespace optolink
