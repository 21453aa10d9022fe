#include "codings/envoi_lent.h"

#include "codings/abreviations.h"

namespace optolink {

void commencer_envoi(Poste& poste, const EnvoiLent& envoi)
{
    Etat& etat = poste.etat;
    FenetrePrincipale& fenetre = poste.fenetre;
    poste.minuterie.setEnabled(false);
    fenetre.Etiquette1.Caption = QStringLiteral(" ENVOI DU MESSAGE EN COURS  PATIENTEZ SVP");
    fenetre.Texte1.Locked = true;
    (fenetre.*envoi.bouton).Enabled = false;
    fenetre.Btonefface.Enabled = false;
    fenetre.Etiquette2.BackColor = vert_clair;
    fenetre.Texte2.BackColor = vert_clair;
    fenetre.Texte1.FontSize = etat.taillepolice;
    fenetre.Texte2.FontSize = etat.taillepolice;
    etat.message = abreger(fenetre.Texte1.Text);
    fenetre.Etiquette2.Caption = QString::fromUtf8(envoi.legende_envoi);
    fenetre.montrer();
}

void emettre_entre_marqueurs(Poste& poste, const EnvoiLent& envoi, const std::function<void()>& corps)
{
    Etat& etat = poste.etat;
    etat.instantdepart = poste.horloge.maintenant_s();
    attendre_jusqua(poste, CommandeLaser::allumer_laser, Duree::secondes(envoi.marqueur_debut_s), false);
    etat.instantdepart = poste.horloge.maintenant_s();
    attendre_jusqua_apres_cession(poste, CommandeLaser::eteindre_laser, Duree::secondes(envoi.pause_s));

    corps();

    emettre(poste, CommandeLaser::allumer_laser, Duree::secondes(envoi.marqueur_fin_s));
    poste.liaison.eteindre_laser();
    ceder_sans_attendre(poste);
    poste.fenetre.Etiquette1.Caption = QStringLiteral(" ENVOI DU MESSAGE TERMINE ");
    etat.instantdepart = poste.horloge.maintenant_s();
    attendre_jusqua_apres_cession(poste, CommandeLaser::eteindre_laser, Duree::secondes(1));
}

void terminer_envoi(Poste& poste, const EnvoiLent& envoi)
{
    FenetrePrincipale& fenetre = poste.fenetre;
    fenetre.Etiquette1.Caption = QString::fromUtf8(envoi.consigne);
    fenetre.Texte1.Locked = false;
    (fenetre.*envoi.bouton).Enabled = true;
    fenetre.Btonefface.Enabled = true;
    fenetre.Etiquette2.BackColor = jaune_clair;
    fenetre.Texte2.BackColor = jaune_clair;
    fenetre.Etiquette2.Caption = QStringLiteral("Réception de message");
    fenetre.Texte2.Text.clear();
    poste.minuterie.setEnabled(true);
    ceder_sans_attendre(poste);
}

} // namespace optolink
