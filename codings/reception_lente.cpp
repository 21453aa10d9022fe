#include "codings/reception_lente.h"

#include "codings/attente.h"

namespace optolink {

void attendre_reception(Poste& poste, Codage code, double marqueur_min_s,
                              const std::function<void()>& recevoir)
{
    Etat& etat = poste.etat;
    poste.fenetre.montrer();
    etat.nbsilences = 0;
    poste.fenetre.Texte1.FontSize = etat.taillepolice;
    poste.fenetre.Texte2.FontSize = etat.taillepolice;
    poste.minuterie.setEnabled(true);

    // Kept from pass to pass: when no light is seen in a pass, t2 - t1 is negative.
    double t2 = 0;
    while (etat.typecodage == code) {
        poste.boucle.ceder();
        const double t1 = poste.horloge.maintenant_s();
        while (etat.typecodage == code && lumiere(etat)) {
            poste.boucle.ceder();
            t2 = poste.horloge.maintenant_s();
        }
        if (t2 - t1 >= marqueur_min_s) {
            poste.signaux.noter_impulsion(t1, t2, QStringLiteral("début"));
            recevoir();
            poste.signaux.reception_terminee();
        }
        etat.nbsilences = 0;
    }
}

void ceder_avant_mesure(Poste& poste)
{
    if (lumiere(poste.etat) || obscurite(poste.etat))
        ceder_sans_attendre(poste);
    else
        poste.boucle.ceder();
}

void commencer_reception(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& legende,
                         const QString& legende2)
{
    FenetrePrincipale& fenetre = poste.fenetre;
    fenetre.Texte1.FontSize = poste.etat.taillepolice;
    fenetre.Texte2.FontSize = poste.etat.taillepolice;
    fenetre.Etiquette2.Caption = legende2;
    fenetre.Etiquette1.BackColor = jaune_clair;
    fenetre.Texte1.BackColor = jaune_clair;
    fenetre.Texte1.Locked = true;
    fenetre.Texte2.Text.clear();
    fenetre.Etiquette1.Caption = legende;
    (fenetre.*bouton).Enabled = false;
    fenetre.Btonefface.Enabled = false;
}

void afficher_reception(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& texte2,
                        const QString& consigne, const QString& texte1)
{
    FenetrePrincipale& fenetre = poste.fenetre;
    fenetre.Etiquette2.Caption = QStringLiteral(" FIN DE RECEPTION DU MESSAGE");
    fenetre.Texte2.Text = texte2;
    fenetre.Texte2.Locked = true;
    fenetre.Etiquette1.BackColor = vert_clair;
    fenetre.Texte1.BackColor = vert_clair;
    fenetre.Etiquette1.Caption = consigne;
    (fenetre.*bouton).Enabled = true;
    fenetre.Btonefface.Enabled = true;
    fenetre.Texte1.Text = texte1;
    fenetre.Texte1.Locked = false;
}

} // namespace optolink
