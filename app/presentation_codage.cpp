#include "app/presentation_codage.h"

namespace optolink {

namespace {
bool est_rapide(const QString& code) { return code == "mr" || code == "br"; }

void regler(Bouton& b, bool visible, bool actif)
{
    b.Visible = visible;
    b.Enabled = visible && actif;
}

QString blancs(int n) { return QString(n, u' '); }
} // namespace

void boutons_envoi(FenetrePrincipale& f, const QString& code)
{
    regler(f.Btonenvoiemorse, code != "mr", code == "m");
    regler(f.Btonenvoiebinaire, code != "br", code == "b");
    regler(f.Btonenvoi_morserapide, code == "mr", true);
    regler(f.Btonenvoi_binrap, code == "br", true);
}

void libelles_codage(FenetrePrincipale& f, const QString& code)
{
    if (code == "m")
        f.Caption = "Communication entre deux ordinateurs en code Morse (lent)";
    else if (code == "b")
        f.Caption = "Communication entre deux ordinateurs en code binaire 8 bits ASCII (lent)";
    else if (code == "mr")
        f.Caption = "Communication entre deux ordinateurs en code Morse (rapide)";
    else
        f.Caption = "Communication entre deux ordinateurs en code binaire ASCII (rapide)";

    if (code == "m" || code == "mr")
        f.Etiquette1.Caption =
            " Entrer un message (sur 26 minuscules sans ponctuation ou 9 chiffres) ou code" + blancs(25);
    else if (code == "b")
        f.Etiquette1.Caption = " Entrer un message (tout caractère clavier) ou code" + blancs(25);
    else
        f.Etiquette1.Caption = " Entrer un message (tout caractère clavier)" + blancs(34);

    f.menu_typemorse.Checked = code == "m";
    f.menu_typebinaire.Checked = code == "b";
}

void minuterie_codage(Poste& poste, const QString& code)
{
    FenetrePrincipale& f = poste.fenetre;
    const bool lent = !est_rapide(code);
    f.menu_30ms.Enabled = lent;
    f.menu_50ms.Enabled = lent;
    f.menu_30ms.Checked = code == "b";
    f.menu_50ms.Checked = code == "m";
    poste.minuterie.setInterval(code == "m" ? 50 : 30);
}

void questions_codage(FenetrePrincipale& f, const QString& code)
{
    const bool rapide = est_rapide(code);
    f.menu_quiestlauteur.Enabled = rapide;
    f.menu_reponsequarmont.Enabled = rapide;
    f.menu_messagelong.Enabled = rapide;
}

QString conseil_demarrage(const QString& code)
{
    if (code == "m")
        return " Message à effacer : en morse lent; message d'environ 10 caractères au maximum conseillé pour "
               "éviter une durée de transmission trop longue,  sinon passer en mode 'morse rapide'";
    return " Message à effacer : en binaire lent; message d'environ 6 caractères au maximum conseillé pour "
           "éviter une durée de transmission trop longue,  sinon passer en 'mode binaire' rapide";
}

} // namespace optolink
