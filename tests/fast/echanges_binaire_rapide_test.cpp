#include "verifications_rapides.h"

#include "codages/abreviations.h"
#include "codages/trame.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {

// What the receiver's live display should hold for a message: each frame as its bits came in,
// then " (c) ", and " ( ) " for each space.
QString textebits_recus(const QString& message)
{
    QString t;
    for (qsizetype i = 0; i < message.size(); ++i) {
        const CaractereBinaire c = caractere_binaire(QStringView(message).sliced(i));
        t += c.affiche == u' ' ? QStringLiteral(" ( ) ") : "1" + code8(c.code) + " (" + c.affiche + ") ";
    }
    return t;
}

// Characters of a sentence added while the message takes at most nine tenths of the recording.
QString message_remplissant(const ReglageRapide& r)
{
    const QString phrase = QStringLiteral("Été 2026 : 25 € pour l'optique ! ");
    QString texte;
    while (part_binaire(texte + phrase[texte.size() % phrase.size()], r) < 0.9)
        texte += phrase[texte.size() % phrase.size()];
    return texte.trimmed();
}

class BinaireRapideAChaqueReglage : public testing::TestWithParam<ReglageRapide> {
protected:
    // What both sides show, exactly but for the blanks that the silence after the message adds:
    // the sender sends envoye, the receiver gets recu.
    void verifier(const QString& texte, const QString& envoye, const QString& recu)
    {
        const EchangeRapide e = echanger_rapide(binaire_rapide(), texte, GetParam());
        ASSERT_TRUE(e.complet) << qPrintable(texte);
        const CodeBinaire code = coder_binaire(envoye);
        EXPECT_EQ(e.a.message, envoye);
        EXPECT_EQ(e.a.chainebits, code.chainebits);
        EXPECT_EQ(e.a.textebits, code.textebits);
        EXPECT_TRUE(suivi_de_blancs(e.b.chainebits, coder_binaire(recu).chainebits)) << qPrintable(texte);
        EXPECT_TRUE(e.b.textebits.startsWith(textebits_recus(recu))) << qPrintable(e.b.textebits);
        EXPECT_TRUE(e.b.textebits.sliced(textebits_recus(recu).size()).replace(" ( ) ", "").isEmpty());
        EXPECT_EQ(e.fb.Texte1.Text, e.b.textebits);
        EXPECT_TRUE(suivi_de_blancs(e.fb.Texte2.Text, recu)) << qPrintable(texte);
        EXPECT_EQ(e.b.message, e.fb.Texte2.Text);
        EXPECT_EQ(e.enregistrements, 1);
        // The timer's last reply is not taken for the first sample: the download ends on its count.
        EXPECT_EQ(e.b.nbmesures, GetParam().nbmesuresmax);
    }
    void verifier(const QString& texte) { verifier(texte, texte + u' ', texte); }
};

} // namespace

TEST_P(BinaireRapideAChaqueReglage, TextesDuClavier)
{
    verifier("A");
    verifier("a b c");
    // Two spaces running on are one dark interval of six bits with the pause before them: two
    // spaces, after a character ending in zeros ("b" is 01100010) or in a one ("a" is 01100001).
    verifier("a  b");
    verifier("b  a");
    verifier("Été 25 €");
    verifier(QString(QChar(1)) + u'ÿ');
    verifier("", " ", "");
    const QString long_ = message_remplissant(GetParam());
    ASSERT_GT(long_.size(), 6);
    verifier(long_);
}

TEST_P(BinaireRapideAChaqueReglage, LesTextesTypesVontEnAbreviation)
{
    for (int n = 1; n <= 4; ++n) {
        const Abreviation& a = abreviation(n);
        const EchangeRapide e = echanger_rapide(binaire_rapide(), a.texte, GetParam());
        ASSERT_TRUE(e.complet);
        EXPECT_EQ(e.a.message, a.abreviation + u' ');
        EXPECT_EQ(e.fb.Texte2.Text, a.phrase);
    }
    // One character off, the text goes in full.
    const QString presque = abreviation(2).texte.chopped(1);
    EXPECT_EQ(echanger_rapide(binaire_rapide(), presque, GetParam()).a.message, presque + u' ');
}

// Through USB links on a busy computer: every write late by 1 ms of frames and up to 1 or 2 ms more.
TEST_P(BinaireRapideAChaqueReglage, ParUsbSurUnOrdinateurCharge)
{
    verifier_par_usb(binaire_rapide(), "Été 25 €", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Vitesses, BinaireRapideAChaqueReglage, testing::ValuesIn(reglages_rapides()), nom_reglage);

TEST(EchangeBinaireRapide, UnMessageCommencantParE2EstDevelopperQuoiQuilSuive)
{
    const auto e = echanger_rapide(binaire_rapide(), "e2 et la suite", reglages_rapides()[5]);
    ASSERT_TRUE(e.complet);
    EXPECT_EQ(e.a.message, "e2 et la suite ");
    EXPECT_EQ(e.fb.Texte2.Text, abreviation(2).phrase);
    const auto apres = echanger_rapide(binaire_rapide(), "xe2", reglages_rapides()[5]);
    EXPECT_TRUE(suivi_de_blancs(apres.fb.Texte2.Text, "xe2"));
}

TEST(EchangeBinaireRapide, FenetresPendantEtApresLEnvoi)
{
    struct Vue {
        QString etiquette1, etiquette2, texte2;
        bool bouton, efface;
    } emetteur{}, recepteur{};
    const ReglageRapide x1_30s{"x1", 1, Echantillonnage::us1300, 0.0013, 12800};
    const auto e = echanger_rapide(binaire_rapide(), "A", x1_30s, [&](DeuxPostes& postes) {
        postes.pendant_envoi_apres_s = 8;
        postes.pendant_envoi = [&] {
            const FenetrePrincipale& a = postes.posteA.fenetre;
            const FenetrePrincipale& b = postes.posteB.fenetre;
            emetteur = {a.Etiquette1.Caption, a.Etiquette2.Caption, a.Texte2.Text, a.Btonenvoi_binrap.Enabled,
                        a.Btonefface.Enabled};
            recepteur = {b.Etiquette1.Caption, b.Etiquette2.Caption, b.Texte2.Text, b.Btonenvoi_binrap.Enabled,
                         b.Btonefface.Enabled};
        };
    });
    ASSERT_TRUE(e.complet);
    EXPECT_EQ(emetteur.etiquette1, " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ 30 s SVP");
    EXPECT_EQ(emetteur.etiquette2, " ENVOI DU CODE binaire rapide EN COURS (message de durée 30 s maximum)");
    EXPECT_EQ(emetteur.texte2, "01000001 (A)   ( )  = 101000001 ");
    EXPECT_FALSE(emetteur.bouton);
    EXPECT_FALSE(emetteur.efface);
    EXPECT_EQ(recepteur.etiquette1, "RECEPTION DE CODE BINAIRE RAPIDE EN COURS     PATIENTEZ 30 s SVP");
    EXPECT_EQ(recepteur.etiquette2,
              "RECEPTION DE MESSAGE EN COURS DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ 30 s SVP");
    EXPECT_EQ(recepteur.texte2, "");
    EXPECT_FALSE(recepteur.bouton);
    EXPECT_FALSE(recepteur.efface);

    EXPECT_EQ(e.fa.Etiquette1.Caption, " Entrer un message (tout caractère clavier) ou code" + QString(9, u' '));
    EXPECT_EQ(e.fa.Texte2.Text, "");
    EXPECT_TRUE(e.fa.Btonenvoi_binrap.Enabled);
    EXPECT_EQ(e.fb.Etiquette1.Caption, " Entrer un message (tout caractère clavier) ou code" + QString(25, u' '));
    EXPECT_EQ(e.fb.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
    EXPECT_TRUE(e.fb.Texte2.Locked);
    EXPECT_FALSE(e.fb.Texte1.Locked);
    EXPECT_EQ(e.fb.Texte1.BackColor, vert_clair);
    EXPECT_TRUE(e.fb.Btonenvoi_binrap.Enabled);
    EXPECT_EQ(e.sauvegardes, QStringList{"Enregistrement d'un fichier binaire rapide"});
}

TEST(EchangeBinaireRapide, SansDemandeDEnregistrementAucuneBoiteNeSOuvre)
{
    const auto e = echanger_rapide(binaire_rapide(), "A", reglages_rapides()[5],
                                   [](DeuxPostes& p) { p.posteB.etat.enregistrebin = false; });
    ASSERT_TRUE(e.complet);
    EXPECT_TRUE(suivi_de_blancs(e.fb.Texte2.Text, "A"));
    EXPECT_TRUE(e.sauvegardes.isEmpty());
}
