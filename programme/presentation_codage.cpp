#include "programme/presentation_codage.h"

namespace optolink {

namespace {
void regler(Bouton& b, bool visible, bool actif)
{
    b.Visible = visible;
    b.Enabled = visible && actif;
}

QString blancs(int n) { return QString(n, u' '); }
} // namespace

void boutons_envoi(FenetrePrincipale& f, Codage code)
{
    regler(f.Btonenvoiemorse, code != Codage::morse_rapide, code == Codage::morse);
    regler(f.Btonenvoiebinaire, code != Codage::binaire_rapide, code == Codage::binaire);
    regler(f.Btonenvoi_morserapide, code == Codage::morse_rapide, true);
    regler(f.Btonenvoi_binrap, code == Codage::binaire_rapide, true);
}

void libelles_codage(FenetrePrincipale& f, Codage code)
{
    if (code == Codage::morse)
        f.Caption = "Communication entre deux ordinateurs en code Morse (lent)";
    else if (code == Codage::binaire)
        f.Caption = "Communication entre deux ordinateurs en code binaire 8 bits ASCII (lent)";
    else if (code == Codage::morse_rapide)
        f.Caption = "Communication entre deux ordinateurs en code Morse (rapide)";
    else
        f.Caption = "Communication entre deux ordinateurs en code binaire ASCII (rapide)";

    if (code == Codage::morse || code == Codage::morse_rapide)
        f.Etiquette1.Caption =
            " Entrer un message (sur 26 minuscules sans ponctuation ou 9 chiffres) ou code" + blancs(25);
    else if (code == Codage::binaire)
        f.Etiquette1.Caption = " Entrer un message (tout caractère clavier) ou code" + blancs(25);
    else
        f.Etiquette1.Caption = " Entrer un message (tout caractère clavier)" + blancs(34);

    f.menus[Menu::menu_typemorse].Checked = code == Codage::morse;
    f.menus[Menu::menu_typebinaire].Checked = code == Codage::binaire;
}

void minuterie_codage(FenetrePrincipale& f, Minuterie& minuterie, Codage code)
{
    const bool lent = !est_rapide(code);
    f.menus[Menu::menu_30ms].Enabled = lent;
    f.menus[Menu::menu_50ms].Enabled = lent;
    f.menus[Menu::menu_30ms].Checked = code == Codage::binaire;
    f.menus[Menu::menu_50ms].Checked = code == Codage::morse;
    minuterie.setInterval(code == Codage::morse ? 50 : 30);
}

void questions_codage(FenetrePrincipale& f, Codage code)
{
    const bool rapide = est_rapide(code);
    f.menus[Menu::menu_quiestlauteur].Enabled = rapide;
    f.menus[Menu::menu_reponsequarmont].Enabled = rapide;
    f.menus[Menu::menu_messagelong].Enabled = rapide;
}

QString conseil_demarrage(Codage code)
{
    if (code == Codage::morse)
        return " Message à effacer : en morse lent; message d'environ 10 caractères au maximum conseillé pour "
               "éviter une durée de transmission trop longue,  sinon passer en mode 'morse rapide'";
    return " Message à effacer : en binaire lent; message d'environ 6 caractères au maximum conseillé pour "
           "éviter une durée de transmission trop longue,  sinon passer en 'mode binaire' rapide";
}

} // namespace optolink
