#include "codages/emetteur_binaire.h"

#include "codages/envoi_lent.h"
#include "codages/trame.h"

namespace optolink {

namespace {
const EnvoiLent envoi_binaire{
    &FenetrePrincipale::Btonenvoiebinaire,
    " ENVOI DU CODE BINAIRE EN COURS",
    " Entrer un message (tout caractère clavier) ou code         ",
    5.68,
    1.136,
    6.818,
};

constexpr Duree creneau = Duree::unites(0.568);
constexpr int bits_par_trame = 9;
} // namespace

void Btonenvoiebinaire_Click(Poste& poste)
{
    Etat& etat = poste.etat;
    commencer_envoi(poste, envoi_binaire);
    const CodeBinaire code = coder_binaire(etat.message);
    etat.chainebits = code.chainebits;
    etat.textebits = code.textebits;
    poste.fenetre.Texte2.Text = etat.textebits + " = " + etat.chainebits;
    poste.fenetre.montrer();

    emettre_entre_marqueurs(poste, envoi_binaire, [&] {
        int nbbits = 0;
        for (const QChar b : code.chainebits) {
            if (b == u' ') {
                emettre(poste, CommandeLaser::eteindre_laser, creneau);
                continue;
            }
            emettre(poste, b == u'1' ? CommandeLaser::allumer_laser : CommandeLaser::eteindre_laser, creneau);
            if (++nbbits == bits_par_trame) {
                nbbits = 0;
                emettre(poste, CommandeLaser::eteindre_laser, creneau);
            }
        }
        emettre(poste, CommandeLaser::eteindre_laser, creneau);
    });

    terminer_envoi(poste, envoi_binaire);
}

} // namespace optolink
