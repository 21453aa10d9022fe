#include "codages/emetteur_morse.h"

#include "codages/envoi_lent.h"
#include "codages/morse.h"

namespace optolink {

namespace {
const EnvoiLent envoi_morse{
    &FenetrePrincipale::Btonenvoiemorse,
    " ENVOI DU CODE MORSE EN COURS",
    " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code         ",
    3.0,
    2.0,
    3.0,
};
} // namespace

void Btonenvoiemorse_Click(Poste& poste)
{
    commencer_envoi(poste, envoi_morse);
    const CodeMorse code = coder_morse(poste.etat.message);
    poste.fenetre.Texte2.Text = code.affichagemorse;
    poste.fenetre.montrer();

    emettre_entre_marqueurs(poste, envoi_morse, [&] {
        for (const QChar symbole : code.codemorse) {
            if (symbole == u' ')
                emettre(poste, CommandeLaser::eteindre_laser, Duree::unites(1));
            else
                emettre(poste, CommandeLaser::allumer_laser, Duree::unites(symbole == u'.' ? 0.3 : 1));
            emettre(poste, CommandeLaser::eteindre_laser, Duree::unites(0.3));
        }
    });

    terminer_envoi(poste, envoi_morse);
}

} // namespace optolink
