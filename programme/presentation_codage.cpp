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

void boutons_envoi(FenetrePrincipale& f, const QString& code)
{
    regler(f.Btonenvoiemorse, code != code_morse_rapide, code == code_morse);
    regler(f.Btonenvoiebinaire, code != code_binaire_rapide, code == code_binaire);
    regler(f.Btonenvoi_morserapide, code == code_morse_rapide, true);
    regler(f.Btonenvoi_binrap, code == code_binaire_rapide, true);
}

void libelles_codage(FenetrePrincipale& f, const QString& code)
{
    if (code == code_morse)
        f.Caption = "Communication entre deux ordinateurs en code Morse (lent)";
    else if (code == code_binaire)
        f.Caption = "Communication entre deux ordinateurs en code binaire 8 bits ASCII (lent)";
    else if (code == code_morse_rapide)
        f.Caption = "Communication entre deux ordinateurs en code Morse (rapide)";
    else
        f.Caption = "Communication entre deux ordinateurs en code binaire ASCII (rapide)";

    if (code == code_morse || code == code_morse_rapide)
        f.Etiquette1.Caption =
            " Entrer un message (sur 26 minuscules sans ponctuation ou 9 chiffres) ou code" + blancs(25);
    else if (code == code_binaire)
        f.Etiquette1.Caption = " Entrer un message (tout caractère clavier) ou code" + blancs(25);
    else
        f.Etiquette1.Caption = " Entrer un message (tout caractère clavier)" + blancs(34);

    f.menus[Menu::menu_typemorse].Checked = code == code_morse;
    f.menus[Menu::menu_typebinaire].Checked = code == code_binaire;
}

void minuterie_codage(FenetrePrincipale& f, Minuterie& minuterie, const QString& code)
{
    const bool lent = !est_rapide(code);
    f.menus[Menu::menu_30ms].Enabled = lent;
    f.menus[Menu::menu_50ms].Enabled = lent;
    f.menus[Menu::menu_30ms].Checked = code == code_binaire;
    f.menus[Menu::menu_50ms].Checked = code == code_morse;
    minuterie.setInterval(code == code_morse ? 50 : 30);
}

void questions_codage(FenetrePrincipale& f, const QString& code)
{
    const bool rapide = est_rapide(code);
    f.menus[Menu::menu_quiestlauteur].Enabled = rapide;
    f.menus[Menu::menu_reponsequarmont].Enabled = rapide;
    f.menus[Menu::menu_messagelong].Enabled = rapide;
}

QString conseil_demarrage(const QString& code)
{
    if (code == code_morse)
        return " Message à effacer : en morse lent; message d'environ 10 caractères au maximum conseillé pour "
               "éviter une durée de transmission trop longue,  sinon passer en mode 'morse rapide'";
    return " Message à effacer : en binaire lent; message d'environ 6 caractères au maximum conseillé pour "
           "éviter une durée de transmission trop longue,  sinon passer en 'mode binaire' rapide";
}

} // namespace optolink
