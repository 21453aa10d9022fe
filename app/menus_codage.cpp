#include "app/menus.h"
#include "app/presentation_codage.h"

namespace optolink {

namespace {

struct EntreeRapide {
    EntreeMenu FenetrePrincipale::*entree;
    std::int16_t nbmesuresmax;
    const char* conseil;
};

const EntreeRapide morserap_17s{&FenetrePrincipale::menu_morserap_17s, 6400,
    " Message à effacer : en morse rapide; message d'environ 1 ligne de caractères au maximum conseillé pour "
    "éviter une durée de transmission dépassant 15 s"};
const EntreeRapide morserap_34s{&FenetrePrincipale::menu_morserap_34s, 12800,
    " Message à effacer : en morse rapide; message d'environ 2 lignes de caractères au maximum conseillé pour "
    "éviter une durée de transmission dépassant 30 s"};
const EntreeRapide binairerap_17s{&FenetrePrincipale::menu_binairerap_17s, 6400,
    " Message à effacer : en binaire rapide; message d'environ 1 ligne de caractères au maximum conseillé pour "
    "éviter une durée de transmission dépassant 10 s"};
const EntreeRapide binairerapide_33s{&FenetrePrincipale::menu_binairerapide_33s, 12800,
    " Message à effacer : en binaire rapide; message d'environ 2 lignes de caractères au maximum conseillé pour "
    "éviter une durée de transmission dépassant 30 s"};

QString avertissement(const QString& code)
{
    if (code == code_morse)
        return "Attention ! changement de codage en morse (lent)    modifier de même le programme sur le deuxième "
               "ordinateur (menu Réglage Minuterie à 50 ms conseillé)";
    if (code == code_binaire)
        return "Attention ! changement de codage en binaire (lent)    modifier de même le programme sur le "
               "deuxième ordinateur (menu Réglage Minuterie à 30 ms conseillé)";
    if (code == code_morse_rapide)
        return "Attention ! changement de codage en morse (rapide)    modifier de même le programme sur le "
               "deuxième ordinateur";
    return "Attention ! changement de codage en binaire (rapide)   modifier de même le programme sur le deuxième "
           "ordinateur";
}

// Everything a coding entry sets; a fast entry also brings its recording length, its advice
// and its duration check mark (the four duration entries are all off for a slow coding).
void changer_codage(Poste& poste, const QString& code, const EntreeRapide* rapide)
{
    FenetrePrincipale& f = poste.fenetre;
    poste.etat.typecodage = code;
    boutons_envoi(f, code);
    libelles_codage(f, code);
    f.Texte2.Text = avertissement(code);
    minuterie_codage(f, poste.plateforme.minuterie, code);
    for (auto entree : {&FenetrePrincipale::menu_morserap_17s, &FenetrePrincipale::menu_morserap_34s,
             &FenetrePrincipale::menu_binairerap_17s, &FenetrePrincipale::menu_binairerapide_33s})
        (f.*entree).Checked = rapide && rapide->entree == entree;
    questions_codage(f, code);
    if (rapide) {
        poste.etat.nbmesuresmax = rapide->nbmesuresmax;
        f.Texte1.Text = rapide->conseil;
    } else {
        f.Texte1.Text.clear();
    }
}

} // namespace

void menu_typemorse_Click(Poste& poste) { changer_codage(poste, code_morse, nullptr); }
void menu_typebinaire_Click(Poste& poste) { changer_codage(poste, code_binaire, nullptr); }
void menu_morserap_17s_Click(Poste& poste) { changer_codage(poste, code_morse_rapide, &morserap_17s); }
void menu_morserap_34s_Click(Poste& poste) { changer_codage(poste, code_morse_rapide, &morserap_34s); }
void menu_binairerap_17s_Click(Poste& poste) { changer_codage(poste, code_binaire_rapide, &binairerap_17s); }
void menu_binairerapide_33s_Click(Poste& poste) { changer_codage(poste, code_binaire_rapide, &binairerapide_33s); }

} // namespace optolink
