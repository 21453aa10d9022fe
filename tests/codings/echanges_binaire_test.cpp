#include "postes_virtuels/postes_simules.h"
#include "verifications.h"

#include "codages/abreviations.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {
const QString avis = " " + avis_silence;

struct Recu {
    QString texte1, texte2, chainebits;
};

Recu recu(const QString& texte, double dureebit = 1, int intervalle_ms = 30)
{
    DeuxPostes postes;
    const auto echange = postes.echanger(binaire_lent(), texte, dureebit, intervalle_ms);
    EXPECT_TRUE(echange.complet);
    const Poste& b = postes.posteB;
    return {b.fenetre.Texte1.Text, b.fenetre.Texte2.Text, b.etat.chainebits};
}
} // namespace

TEST(EchangeBinaireLent, LaLettreA)
{
    DeuxPostes postes;
    QString texte2_pendant;
    double instant_pendant = 0;
    postes.pendant_envoi_apres_s = 1.0;
    postes.pendant_envoi = [&] {
        texte2_pendant = postes.posteA.fenetre.Texte2.Text;
        instant_pendant = postes.acteurA.instant_s();
    };
    const auto echange = postes.echanger(binaire_lent(), "a", 1, 30);
    ASSERT_TRUE(echange.complet);

    const Poste& b = postes.posteB;
    EXPECT_EQ(b.etat.chainebits, " 101100001 111111111");
    EXPECT_EQ(b.etat.message, " a");
    EXPECT_EQ(b.fenetre.Texte2.Text, " a");
    EXPECT_EQ(b.fenetre.Texte1.Text, " ( )  01100001 (a) ");
    EXPECT_FALSE(b.fenetre.Texte1.Locked);
    EXPECT_TRUE(b.fenetre.Texte2.Locked);
    EXPECT_EQ(b.fenetre.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
    EXPECT_EQ(b.fenetre.Etiquette1.Caption, " Entrer un message (tout caractère clavier) ou code" + QString(25, u' '));
    EXPECT_EQ(b.fenetre.Etiquette1.BackColor, vert_clair);
    EXPECT_TRUE(b.fenetre.Btonenvoiebinaire.Enabled);

    const Poste& a = postes.posteA;
    EXPECT_EQ(texte2_pendant, "01100001 (a)  = 101100001");
    // The start marker does not yield: an event due 1 s after the click waits for the pause.
    EXPECT_NEAR(instant_pendant, DeuxPostes::clic_s + 5.68, 0.01);
    EXPECT_EQ(a.etat.chainebits, "101100001"); // kept after the send
    EXPECT_EQ(a.fenetre.Etiquette1.Caption, " Entrer un message (tout caractère clavier) ou code" + QString(9, u' '));
    EXPECT_EQ(a.fenetre.Texte2.Text, "");
    EXPECT_TRUE(a.fenetre.Btonenvoiebinaire.Enabled);

    verifier_durees_laser(postes.banc.interface(0), {5.68, 1.136, 0.568, 0.568, 1.136, 2.272, 0.568, 1.136, 6.818});
}

TEST(EchangeBinaireLent, FenetreDuRecepteurPendantLaTrame)
{
    DeuxPostes postes;
    VueFenetre recepteur{};
    // "a" at u = 1 s: the frame runs from 6.8 s to 12 s; at 8.5 s its first three bits are in.
    postes.pendant_envoi_apres_s = 8.5;
    postes.pendant_envoi = [&] { recepteur = vue(postes.posteB.fenetre); };
    ASSERT_TRUE(postes.echanger(binaire_lent(), "a", 1, 30).complet);

    EXPECT_EQ(recepteur.etiquette2, "RECEPTION DE MESSAGE EN COURS   PATIENTEZ SVP");
    EXPECT_EQ(recepteur.etiquette1, "RECEPTION DE CODE BINAIRE EN COURS     PATIENTEZ SVP");
    EXPECT_EQ(recepteur.texte1, " 101");
    EXPECT_EQ(recepteur.fond_texte1, jaune_clair);
    EXPECT_TRUE(recepteur.texte1_verrouille);
    EXPECT_FALSE(recepteur.envoi_binaire);
    EXPECT_FALSE(recepteur.efface);
}

TEST(EchangeBinaireLent, MessagesTypes)
{
    const auto ab = recu("a b");
    EXPECT_EQ(ab.texte2, " a b");
    EXPECT_EQ(ab.chainebits, " 101100001 101100010 111111111");

    const auto accents = recu("été, ça ?");
    EXPECT_EQ(accents.texte2, " été, ça ?");
    EXPECT_EQ(recu("é t").texte1, " ( )  11101001 (é)  ( )  01110100 (t) ");

    EXPECT_EQ(recu("Zoé").texte2, " Zoé");
    EXPECT_EQ(recu(abreviation(2).texte).texte2, abreviation(2).phrase);

    // A character outside Windows-1252 goes as "?".
    EXPECT_EQ(recu("π").texte2, " ?");

    const auto vide = recu("");
    EXPECT_EQ(vide.chainebits, " 111111111");
    EXPECT_EQ(vide.texte2, "");
    EXPECT_EQ(vide.texte1, "");
}

TEST(EchangeBinaireLent, LeCode255EstPrisPourLeMarqueurDeFin)
{
    DeuxPostes postes;
    Recu premier;
    // After the frame of "ÿ" (nine slots of light) and before the real end marker is over.
    postes.pendant_envoi_apres_s = 15;
    postes.pendant_envoi = [&] {
        const Poste& b = postes.posteB;
        premier = {b.fenetre.Texte1.Text, b.fenetre.Texte2.Text, b.etat.chainebits};
    };
    const auto echange = postes.echanger(binaire_lent(), "ÿ", 1, 30, 9.0);
    ASSERT_TRUE(echange.complet);
    EXPECT_EQ(premier.chainebits, " 111111111");
    EXPECT_EQ(premier.texte2, "");
    // The real end marker then starts a reception of its own, which only silence ends.
    EXPECT_EQ(postes.posteB.fenetre.Texte2.Text, avis);
}

TEST(EchangeBinaireLent, UnMessageCoupeFinitParLeSilenceAvecSonAvis)
{
    DeuxPostes postes;
    // The cable of A's interface is pulled in the dark bits 5 to 8 of "a": the frame is completed
    // with zeros, then seven silent periods end the message.
    postes.comA.debrancher_a(DeuxPostes::clic_s + 10);
    const auto echange = postes.echanger(binaire_lent(), "a", 1, 30);
    ASSERT_TRUE(echange.complet);
    EXPECT_EQ(postes.posteB.etat.chainebits, " 101100000       ");
    EXPECT_EQ(postes.posteB.fenetre.Texte2.Text, " `" + avis);
}
