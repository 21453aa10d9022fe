#include "postes_virtuels/postes_simules.h"
#include "verifications.h"

#include "codages/abreviations.h"
#include "codages/morse.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {
QString recu(const QString& texte, double dureebit, int intervalle_ms = 50)
{
    DeuxPostes postes;
    const auto echange = postes.echanger(morse_lent(), texte, dureebit, intervalle_ms);
    EXPECT_TRUE(echange.complet);
    return postes.posteB.fenetre.Texte2.Text;
}
} // namespace

TEST(EchangeMorseLent, SosALaVitesseParDefaut)
{
    DeuxPostes postes;
    // A font chosen on B while it waits applies when the reception begins.
    postes.pendant_envoi = [&] { postes.acteurB.programmer(0, [&] { postes.posteB.etat.taillepolice = 30; }); };
    const auto echange = postes.echanger(morse_lent(), "sos", 1, 50);
    ASSERT_TRUE(echange.complet);

    const FenetrePrincipale& b = postes.posteB.fenetre;
    EXPECT_EQ(b.Texte2.Text, "... (s) --- (o) ... (s)  = sos");
    EXPECT_EQ(postes.posteB.etat.message, "sos");
    EXPECT_EQ(b.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
    EXPECT_TRUE(b.Texte2.Locked);
    EXPECT_EQ(b.Texte1.Text, "");
    EXPECT_FALSE(b.Texte1.Locked);
    EXPECT_EQ(b.Texte1.BackColor, vert_clair);
    EXPECT_EQ(b.Etiquette1.BackColor, vert_clair);
    EXPECT_EQ(b.Texte1.FontSize, 30);
    EXPECT_EQ(b.Texte2.FontSize, 30);
    EXPECT_TRUE(b.Btonenvoiemorse.Enabled);
    EXPECT_TRUE(b.Btonefface.Enabled);
    EXPECT_TRUE(b.Visible);
    EXPECT_EQ(b.Etiquette1.Caption,
              " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(25, u' '));

    // The sender is idle again, its message still typed.
    const FenetrePrincipale& a = postes.posteA.fenetre;
    EXPECT_EQ(a.Etiquette1.Caption,
              " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(9, u' '));
    EXPECT_EQ(a.Etiquette2.Caption, "Réception de message");
    EXPECT_EQ(a.Texte2.Text, "");
    EXPECT_EQ(a.Texte1.Text, "sos");
    EXPECT_FALSE(a.Texte1.Locked);
    EXPECT_EQ(a.Etiquette2.BackColor, jaune_clair);
    EXPECT_EQ(a.Texte2.BackColor, jaune_clair);
    EXPECT_TRUE(a.Btonenvoiemorse.Enabled);
    EXPECT_TRUE(a.Btonefface.Enabled);
    EXPECT_TRUE(postes.minuterieA->enabled());
    EXPECT_FALSE(postes.banc.interface(0).laser_allume());
}

TEST(EchangeMorseLent, LumiereDeLaLettreEEtFenetrePendantLEnvoi)
{
    DeuxPostes postes;
    struct Vue {
        double instant_s;
        QString etiquette1, etiquette2, texte2;
        bool texte1_verrouille, bouton, efface, minuterie;
        Couleur fond2;
    } vue{};
    postes.pendant_envoi_apres_s = 1.0;
    postes.pendant_envoi = [&] {
        const FenetrePrincipale& a = postes.posteA.fenetre;
        vue = {postes.acteurA.instant_s(), a.Etiquette1.Caption, a.Etiquette2.Caption, a.Texte2.Text,
               a.Texte1.Locked, a.Btonenvoiemorse.Enabled, a.Btonefface.Enabled, postes.minuterieA->enabled(),
               a.Texte2.BackColor};
    };
    const auto echange = postes.echanger(morse_lent(), "e", 1, 50);
    ASSERT_TRUE(echange.complet);

    verifier_durees_laser(postes.banc.interface(0), {3, 2, 0.3, 1.6, 3});
    EXPECT_NEAR(echange.fin_envoi_s - echange.debut_envoi_s, 10.9, 0.02);

    // The start marker does not yield: an event due 1 s after the click waits for the pause.
    EXPECT_NEAR(vue.instant_s, DeuxPostes::clic_s + 3, 0.01);
    EXPECT_EQ(vue.etiquette1, " ENVOI DU MESSAGE EN COURS  PATIENTEZ SVP");
    EXPECT_EQ(vue.etiquette2, " ENVOI DU CODE MORSE EN COURS");
    EXPECT_EQ(vue.texte2, ". (e) ");
    EXPECT_TRUE(vue.texte1_verrouille);
    EXPECT_FALSE(vue.bouton);
    EXPECT_FALSE(vue.efface);
    EXPECT_FALSE(vue.minuterie);
    EXPECT_EQ(vue.fond2, vert_clair);
    EXPECT_TRUE(postes.posteA.fenetre.Visible);

    EXPECT_EQ(postes.posteB.fenetre.Texte2.Text, ". (e)  = e");
}

TEST(EchangeMorseLent, FenetresPendantLaReceptionEtLaDerniereSecondeDEnvoi)
{
    DeuxPostes postes;
    VueFenetre recepteur{}, emetteur{};
    // "e" at u = 1 s: the dot is over at 5.3 s, the end marker ends at 9.9 s, the trailer at 10.9 s.
    postes.pendant_envoi_apres_s = 6;
    postes.pendant_envoi = [&] {
        recepteur = vue(postes.posteB.fenetre);
        postes.acteurA.programmer(DeuxPostes::clic_s + 10.4, [&] { emetteur = vue(postes.posteA.fenetre); });
    };
    ASSERT_TRUE(postes.echanger(morse_lent(), "e", 1, 50).complet);

    EXPECT_EQ(recepteur.etiquette2, "RECEPTION DE MESSAGE EN COURS   PATIENTEZ SVP");
    EXPECT_EQ(recepteur.etiquette1, "RECEPTION DE CODE MORSE EN COURS     PATIENTEZ SVP");
    EXPECT_EQ(recepteur.texte1, " .");
    EXPECT_EQ(recepteur.texte2, "");
    EXPECT_EQ(recepteur.fond_etiquette1, jaune_clair);
    EXPECT_EQ(recepteur.fond_texte1, jaune_clair);
    EXPECT_TRUE(recepteur.texte1_verrouille);
    EXPECT_FALSE(recepteur.envoi_morse);
    EXPECT_FALSE(recepteur.efface);

    EXPECT_EQ(emetteur.etiquette1, " ENVOI DU MESSAGE TERMINE ");
    EXPECT_EQ(emetteur.etiquette2, " ENVOI DU CODE MORSE EN COURS");
}

TEST(EchangeMorseLent, UneVitesseChoisiePendantLEnvoiValeDesLaVerificationSuivante)
{
    DeuxPostes postes;
    postes.pendant_envoi_apres_s = 5.5; // in the 0.3 u gap after the first dot, [5.3, 5.6)
    postes.pendant_envoi = [&] { postes.posteA.etat.dureebit = 0.5; };
    const auto echange = postes.echanger(morse_lent(), "ii", 1, 50);
    ASSERT_TRUE(echange.complet);
    // The gap under way is already past its new end: it stops at the check after the change.
    verifier_durees_laser(postes.banc.interface(0),
                          {3, 2, 0.3, 0.2, 0.15, 0.8, 0.15, 0.15, 0.15, 0.8, 3});
}

TEST(EchangeMorseLent, MessagesTypes)
{
    EXPECT_EQ(recu("A1", 1), ".---- (1)  =  1");
    EXPECT_EQ(recu("le chat", 1), coder_morse("le chat").affichagemorse + " = le chat");
    EXPECT_EQ(recu("sos 2 fois", 1), coder_morse("sos 2 fois").affichagemorse + " = sos 2 fois");
    EXPECT_EQ(recu("", 1), " = ");
    // The canned text goes as "e1"; at u = 0.5 s it arrives as "  e1" and is expanded.
    EXPECT_EQ(recu(abreviation(1).texte, 0.5), ". (e) .---- (1)  = " + abreviation(1).phrase);
    EXPECT_EQ(recu(abreviation(4).texte, 1), ". (e) ....- (4)  = " + abreviation(4).phrase);
}

TEST(EchangeMorseLent, UnMessageCoupeFinitParLeSilenceAvecSonAvis)
{
    DeuxPostes postes;
    // The cable of A's interface is pulled during the dark after the first dot of "sos".
    postes.comA.debrancher_a(DeuxPostes::clic_s + 5.45);
    const auto echange = postes.echanger(morse_lent(), "sos", 1, 50);
    ASSERT_TRUE(echange.complet);
    EXPECT_EQ(postes.posteB.fenetre.Texte2.Text, ". (e)  = e    " + avis_silence);
    EXPECT_EQ(postes.posteB.etat.nbsilences, 0); // reset by the waiting loop afterwards
}

TEST(EchangeMorseLent, UnChangementDeCodageNAgitQuApresLaReception)
{
    DeuxPostes postes;
    // B is switched away 10 s after the click, in the middle of "sos": it still shows the message.
    const auto echange = postes.echanger(morse_lent(), "sos", 1, 50, -14.0);
    ASSERT_TRUE(echange.complet);
    EXPECT_EQ(postes.posteB.fenetre.Texte2.Text, "... (s) --- (o) ... (s)  = sos");
}
