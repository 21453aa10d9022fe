#include "codages/envoi_lent.h"

#include "codages/abreviations.h"

namespace optolink {

void preparer_envoi(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& legende)
{
    FenetrePrincipale& fenetre = poste.fenetre;
    poste.minuterie.setEnabled(false);
    fenetre.Etiquette1.Caption = legende;
    fenetre.Texte1.Locked = true;
    (fenetre.*bouton).Enabled = false;
    fenetre.Btonefface.Enabled = false;
    fenetre.Etiquette2.BackColor = vert_clair;
    fenetre.Texte2.BackColor = vert_clair;
    fenetre.Texte1.FontSize = poste.etat.taillepolice;
    fenetre.Texte2.FontSize = poste.etat.taillepolice;
}

void commencer_envoi(Poste& poste, const EnvoiLent& envoi)
{
    preparer_envoi(poste, envoi.bouton, QStringLiteral(" ENVOI DU MESSAGE EN COURS  PATIENTEZ SVP"));
    poste.etat.message = abreger(poste.fenetre.Texte1.Text);
    poste.fenetre.Etiquette2.Caption = QString::fromUtf8(envoi.legende_envoi);
    poste.fenetre.montrer();
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

void terminer_envoi(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& consigne)
{
    FenetrePrincipale& fenetre = poste.fenetre;
    fenetre.Etiquette1.Caption = consigne;
    fenetre.Texte1.Locked = false;
    (fenetre.*bouton).Enabled = true;
    fenetre.Btonefface.Enabled = true;
    fenetre.Etiquette2.BackColor = jaune_clair;
    fenetre.Texte2.BackColor = jaune_clair;
    fenetre.Etiquette2.Caption = QStringLiteral("Réception de message");
    fenetre.Texte2.Text.clear();
    poste.minuterie.setEnabled(true);
    ceder_sans_attendre(poste);
}

void terminer_envoi(Poste& poste, const EnvoiLent& envoi)
{
    terminer_envoi(poste, envoi.bouton, QString::fromUtf8(envoi.consigne));
}

} // namespace optolink
