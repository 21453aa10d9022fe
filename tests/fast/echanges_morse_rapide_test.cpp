#include "verifications_rapides.h"

#include "codages/abreviations.h"
#include "codages/morse.h"

#include "synthese.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {

// Characters of a sentence added while the message takes at most nine tenths of the recording.
QString message_remplissant(const ReglageRapide& r)
{
    const QString phrase = QStringLiteral("le laser porte le message jusqu a la photodiode ");
    QString texte;
    while (part_morse(texte + phrase[texte.size() % phrase.size()], r) < 0.9)
        texte += phrase[texte.size() % phrase.size()];
    return texte.trimmed();
}

class MorseRapideAChaqueReglage : public testing::TestWithParam<ReglageRapide> {
protected:
    // What B shows: Texte1 exactly, and Texte2 beginning with the message and then blanks only.
    void verifier(const QString& envoye, const QString& message, const QString& affichage)
    {
        const EchangeRapide e = echanger_rapide(morse_rapide(), envoye, GetParam());
        ASSERT_TRUE(e.complet) << qPrintable(envoye);
        EXPECT_EQ(e.fb.Texte1.Text, "code morse reçu : " + affichage) << qPrintable(envoye);
        EXPECT_TRUE(suivi_de_blancs(e.fb.Texte2.Text, message)) << qPrintable(envoye);
        EXPECT_EQ(e.b.message, e.fb.Texte2.Text);
        EXPECT_EQ(e.enregistrements, 1) << "no sample left on the line may start a second reception";
        // The timer's last reply is not taken for the first sample: the download ends on its count.
        EXPECT_EQ(e.b.nbmesures, GetParam().nbmesuresmax);
    }
};

} // namespace

TEST_P(MorseRapideAChaqueReglage, MessagesTypes)
{
    verifier("sos", "sos", "... (s) --- (o) ... (s) ");
    verifier("", "", "");
    verifier("ABC", "", "");
    verifier("e e", "e e", ". (e) . (e) ");
    verifier("73 19", "73 19", "--... (7) ...-- (3) .---- (1) ----. (9) ");
    verifier("le chat dort", "le chat dort", coder_morse("le chat dort").affichagemorse);
    const QString long_ = message_remplissant(GetParam());
    ASSERT_GT(long_.size(), 8);
    verifier(long_, long_, coder_morse(long_).affichagemorse);
}

TEST_P(MorseRapideAChaqueReglage, UnTexteTypeVaEnAbreviationEtRevientEnEntier)
{
    const EchangeRapide e = echanger_rapide(morse_rapide(), abreviation(1).texte, GetParam());
    ASSERT_TRUE(e.complet);
    EXPECT_EQ(e.a.message, "e1");
    EXPECT_EQ(e.fb.Texte1.Text, "code morse reçu : . (e) .---- (1) ");
    EXPECT_EQ(e.fb.Texte2.Text, abreviation(1).phrase);
}

// Through USB links on a busy computer: every write late by 1 ms of frames and up to 1 or 2 ms more.
TEST_P(MorseRapideAChaqueReglage, ParUsbSurUnOrdinateurCharge)
{
    verifier_par_usb(morse_rapide(), "le chat dort", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Vitesses, MorseRapideAChaqueReglage, testing::ValuesIn(reglages_rapides()), nom_reglage);

TEST(EchangeMorseRapide, FenetresPendantEtApresLEnvoi)
{
    struct Vue {
        QString etiquette1, etiquette2, texte2;
        bool texte1_verrouille, bouton, efface, minuterie;
        Couleur fond2;
    } emetteur{}, recepteur{};
    Avancement avancement_a, avancement_b;
    const ReglageRapide x1_30s{"x1", 1, Echantillonnage::us1300, 0.0013, 12800};
    const auto e = echanger_rapide(morse_rapide(), "sos", x1_30s, [&](DeuxPostes& postes) {
        // In the final silence of the sender, while the receiver downloads.
        postes.pendant_envoi_apres_s = 8;
        postes.pendant_envoi = [&] {
            const FenetrePrincipale& a = postes.posteA.fenetre;
            const FenetrePrincipale& b = postes.posteB.fenetre;
            emetteur = {a.Etiquette1.Caption, a.Etiquette2.Caption, a.Texte2.Text, a.Texte1.Locked,
                        a.Btonenvoi_morserapide.Enabled, a.Btonefface.Enabled, postes.minuterieA->enabled(),
                        a.Texte2.BackColor};
            avancement_a = a.avancement;
            avancement_b = b.avancement;
            recepteur = {b.Etiquette1.Caption, b.Etiquette2.Caption, b.Texte2.Text, b.Texte1.Locked,
                         b.Btonenvoi_morserapide.Enabled, b.Btonefface.Enabled, postes.minuterieB->enabled(),
                         b.Texte1.BackColor};
        };
    });
    ASSERT_TRUE(e.complet);
    EXPECT_EQ(emetteur.etiquette1, " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ 30 s SVP");
    EXPECT_EQ(emetteur.etiquette2, " ENVOI DU CODE MORSE rapide EN COURS (message de durée 30 s maximum)");
    EXPECT_EQ(emetteur.texte2, "... (s) --- (o) ... (s) ");
    EXPECT_TRUE(emetteur.texte1_verrouille);
    EXPECT_FALSE(emetteur.bouton);
    EXPECT_FALSE(emetteur.efface);
    EXPECT_FALSE(emetteur.minuterie);
    EXPECT_EQ(emetteur.fond2, vert_clair);

    EXPECT_EQ(recepteur.etiquette1, "RECEPTION DE CODE MORSE RAPIDE EN COURS     PATIENTEZ 30 s SVP");
    EXPECT_EQ(recepteur.etiquette2,
              "RECEPTION DE MESSAGE EN COURS DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ 30 s SVP");
    EXPECT_TRUE(recepteur.texte1_verrouille);
    EXPECT_FALSE(recepteur.bouton);
    EXPECT_FALSE(recepteur.efface);
    EXPECT_FALSE(recepteur.minuterie);
    EXPECT_EQ(recepteur.fond2, jaune_clair);

    // Both long waits show how far they have gone, 8 s after the click: the sender's silence lasts
    // until 1 s + 12800 × 1.3 ms + 2 s after it, the receiver has some samples in and more to come.
    EXPECT_TRUE(avancement_a.Visible);
    EXPECT_EQ(avancement_a.Texte, "Enregistrement en cours chez le récepteur : encore 12 s");
    EXPECT_TRUE(avancement_b.Visible);
    EXPECT_GT(avancement_b.Valeur, 0);
    EXPECT_LT(avancement_b.Valeur, avancement_b.Maximum);
    EXPECT_TRUE(avancement_b.Texte.contains(" / 12800 échantillons reçus, encore ")) << qPrintable(avancement_b.Texte);
    EXPECT_FALSE(e.fa.avancement.Visible);
    EXPECT_FALSE(e.fb.avancement.Visible);

    // Both idle again.
    EXPECT_EQ(e.fa.Etiquette1.Caption,
              " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(9, u' '));
    EXPECT_EQ(e.fa.Etiquette2.Caption, "Réception de message");
    EXPECT_EQ(e.fa.Texte2.Text, "");
    EXPECT_EQ(e.fa.Texte2.BackColor, jaune_clair);
    EXPECT_TRUE(e.fa.Btonenvoi_morserapide.Enabled);
    EXPECT_FALSE(e.fa.Texte1.Locked);
    EXPECT_EQ(e.fb.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
    EXPECT_EQ(e.fb.Etiquette1.Caption,
              " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(25, u' '));
    EXPECT_EQ(e.fb.Texte1.BackColor, vert_clair);
    EXPECT_FALSE(e.fb.Texte1.Locked);
    EXPECT_TRUE(e.fb.Texte2.Locked);
    EXPECT_TRUE(e.fb.Btonenvoiemorse.Enabled);
    EXPECT_TRUE(e.fb.Btonenvoi_morserapide.Enabled);
    EXPECT_TRUE(e.fb.Btonefface.Enabled);
    EXPECT_EQ(e.sauvegardes, QStringList{"Enregistrement d'un fichier morse rapide"});
}

TEST(EchangeMorseRapide, SansDemandeDEnregistrementAucuneBoiteNeSOuvre)
{
    const auto e = echanger_rapide(morse_rapide(), "sos", reglages_rapides()[5],
                                   [](DeuxPostes& p) { p.posteB.etat.enregistremorse = false; });
    ASSERT_TRUE(e.complet);
    EXPECT_TRUE(suivi_de_blancs(e.fb.Texte2.Text, "sos"));
    EXPECT_TRUE(e.sauvegardes.isEmpty());
}
