#include "codages/morse.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(CoderMorse, ExemplesDuCodage)
{
    auto sos = coder_morse("sos");
    EXPECT_EQ(sos.codemorse, "... --- ... ");
    EXPECT_EQ(sos.affichagemorse, "... (s) --- (o) ... (s) ");

    auto ab = coder_morse("a b");
    EXPECT_EQ(ab.codemorse, ".-  -... ");
    EXPECT_EQ(ab.affichagemorse, ".- (a) -... (b) ");

    // Nothing is folded to lower case: "A" is a gap.
    auto a1 = coder_morse("A1");
    EXPECT_EQ(a1.codemorse, " .---- ");
    EXPECT_EQ(a1.affichagemorse, ".---- (1) ");

    EXPECT_EQ(coder_morse("").codemorse, "");
    EXPECT_EQ(coder_morse("").affichagemorse, "");
    EXPECT_EQ(coder_morse("é!").codemorse, "  ");
}

TEST(CoderMorse, ChaqueCaractereRevientParDecoderCaractere)
{
    for (const auto& entree : tablemorse) {
        const auto code = coder_morse(QString(entree.caractere)).codemorse;
        const auto decode = decoder_caractere(QStringView(code).chopped(1));
        ASSERT_TRUE(decode.has_value()) << entree.code;
        EXPECT_EQ(decode->caractere, entree.caractere);
        EXPECT_EQ(decode->groupe, groupe_affichage(entree));
    }
}

TEST(DecoderCaractere, InconnuOuVideNeDonneRien)
{
    EXPECT_FALSE(decoder_caractere(u"").has_value());
    EXPECT_FALSE(decoder_caractere(u"......").has_value());
    EXPECT_FALSE(decoder_caractere(u".- ").has_value());
    EXPECT_EQ(decoder_caractere(u"-----")->caractere, u'0');
    EXPECT_EQ(decoder_caractere(u".")->groupe, ". (e) ");
}
