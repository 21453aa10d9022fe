#include "codages/morse.h"
#include "codages/traduction_morse.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(TraduireCodemorse, UnBlancFinitLeCaractereEtLeDernierNEstJamaisLu)
{
    const auto sos = traduire_codemorse(u" ... --- ... ");
    EXPECT_EQ(sos.message, "sos");
    EXPECT_EQ(sos.affichagemorse, "... (s) --- (o) ... (s) ");

    // Without the final blank the last code still ends the walk (its last position unread).
    EXPECT_EQ(traduire_codemorse(u"... ---").message, "sm");
    EXPECT_EQ(traduire_codemorse(u"... --- ").message, "so");
}

TEST(TraduireCodemorse, UneSuiteDeKBlancsDonneKMoinsUnEspaces)
{
    EXPECT_EQ(traduire_codemorse(u" .-  -... ").message, "a b");
    EXPECT_EQ(traduire_codemorse(u".-   -... ").message, "a  b");
    // The pause after the start marker: three blanks at u = 0.5 s give two leading spaces.
    EXPECT_EQ(traduire_codemorse(u"   . .---- ").message, "  e1");
    EXPECT_EQ(traduire_codemorse(u"  .---- ").message, " 1");
}

TEST(TraduireCodemorse, LesBlancsDeFinNeComptentQueSiLaLectureAnticipeeLesVoit)
{
    // Seven silences after the last dot: the look-ahead stops before the last two positions.
    EXPECT_EQ(traduire_codemorse(u" .       ").message, "e    ");
    EXPECT_EQ(traduire_codemorse(u". ").message, "e");
    EXPECT_EQ(traduire_codemorse(u".  ").message, "e");
    EXPECT_EQ(traduire_codemorse(u".   ").message, "e");
    EXPECT_EQ(traduire_codemorse(u".    ").message, "e ");
}

TEST(TraduireCodemorse, CodesInconnusEtChainesCourtes)
{
    const auto inconnu = traduire_codemorse(u" ...... .- ");
    EXPECT_EQ(inconnu.message, "a");
    EXPECT_EQ(inconnu.affichagemorse, ".- (a) ");
    EXPECT_EQ(traduire_codemorse(u"").message, "");
    EXPECT_EQ(traduire_codemorse(u" ").message, "");
    EXPECT_EQ(traduire_codemorse(u".").message, "");
    EXPECT_EQ(traduire_codemorse(u".-").message, "e"); // the last position is never read
}

TEST(TraduireCodemorse, RetrouveToutCeQueCoderMorseProduit)
{
    for (const auto& entree : tablemorse) {
        const QString texte = entree.caractere + QStringLiteral("9 ") + entree.caractere;
        const auto code = coder_morse(texte);
        const auto recu = traduire_codemorse(QStringLiteral(" ") + code.codemorse + QStringLiteral(" "));
        EXPECT_EQ(recu.message, QString(entree.caractere) + "9 " + entree.caractere) << texte.toStdString();
        EXPECT_EQ(recu.affichagemorse, code.affichagemorse);
    }
}
