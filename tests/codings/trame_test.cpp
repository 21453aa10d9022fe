#include "codages/trame.h"
#include "caracteres/windows1252.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(Trame, HuitChiffresPoidsFortEnTete)
{
    EXPECT_EQ(code8(0), "00000000");
    EXPECT_EQ(code8(97), "01100001");
    EXPECT_EQ(code8(233), "11101001");
    EXPECT_EQ(code8(255), "11111111");
}

TEST(Trame, ExemplesDuCodageBinaire)
{
    const auto a = coder_binaire(u"a");
    EXPECT_EQ(a.chainebits, "101100001");
    EXPECT_EQ(a.textebits, "01100001 (a) ");
    EXPECT_EQ(a.textebits + " = " + a.chainebits, "01100001 (a)  = 101100001");

    const auto ab = coder_binaire(u"a b");
    EXPECT_EQ(ab.chainebits, "101100001 101100010");
    EXPECT_EQ(ab.textebits, "01100001 (a)   ( ) 01100010 (b) ");

    EXPECT_EQ(coder_binaire(u"é").chainebits, "111101001");
    EXPECT_EQ(coder_binaire(u"€").chainebits, "110000000");
    EXPECT_EQ(coder_binaire(u"").chainebits, "");
    EXPECT_EQ(coder_binaire(u"  ").textebits, "  ( )   ( ) ");
}

TEST(Trame, UnCaractereHorsDuJeuPartEnPointDInterrogation)
{
    const auto chinois = coder_binaire(u"中");
    EXPECT_EQ(chinois.chainebits, "100111111");
    EXPECT_EQ(chinois.textebits, "00111111 (?) ");
    // A character beyond 16 bits is one character, hence one "?".
    const auto emoji = coder_binaire(QString::fromUtf8("a\xF0\x9F\x98\x80"));
    EXPECT_EQ(emoji.chainebits, "101100001100111111");
    // A lone surrogate half as well.
    EXPECT_EQ(coder_binaire(QString(QChar(0xD83D))).chainebits, "100111111");
}

TEST(Trame, DecodageDeLExempleRecu)
{
    const auto recu = decoder_chainebits(u" 101100001 111111111");
    EXPECT_EQ(recu.message, " a");
    EXPECT_EQ(recu.textebits, " ( )  01100001 (a) ");
}

TEST(Trame, LesDixDerniersCaracteresNeSontJamaisDecodes)
{
    EXPECT_EQ(decoder_chainebits(u" 111111111").message, "");
    EXPECT_EQ(decoder_chainebits(u"101100001 ").message, "");
    EXPECT_EQ(decoder_chainebits(u"").message, "");
    EXPECT_EQ(decoder_chainebits(u"1011000011").message, "");
    EXPECT_EQ(decoder_chainebits(u"10110000111").message, "a");
    EXPECT_EQ(decoder_chainebits(u"   ").textebits, "");
}

TEST(Trame, UnZeroHorsTrameEstSauteEtChaqueBlancDonneUnEspace)
{
    const auto recu = decoder_chainebits(u"0  101100010 111111111");
    EXPECT_EQ(recu.message, "  b");
    EXPECT_EQ(recu.textebits, " ( )  ( )  01100010 (b) ");
}

TEST(Trame, AllerRetourSurLesDeuxCentCinquanteSixCodes)
{
    for (int code = 0; code < 256; ++code) {
        const QChar c = caractere_windows1252(static_cast<unsigned char>(code));
        if (c == u' ')
            continue;
        const auto emis = coder_binaire(QString(c));
        const auto recu = decoder_chainebits(QString(emis.chainebits + " 111111111"));
        ASSERT_EQ(recu.message, QString(c)) << code;
        ASSERT_EQ(recu.textebits, " " + emis.textebits) << code;
    }
}
