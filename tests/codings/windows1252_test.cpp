#include "caracteres/windows1252.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(Windows1252, CodesDesCaracteresFrancais)
{
    EXPECT_EQ(code_windows1252(u'a'), 97);
    EXPECT_EQ(code_windows1252(u'é'), 233);
    EXPECT_EQ(code_windows1252(u'û'), 0xFB);
    EXPECT_EQ(code_windows1252(QChar(0x20AC)), 0x80); // €
    EXPECT_EQ(code_windows1252(QChar(0x0153)), 0x9C); // œ
    EXPECT_EQ(code_windows1252(QChar(0x2019)), 0x92); // ’
    EXPECT_FALSE(code_windows1252(QChar(0x4E2D)).has_value());
    EXPECT_FALSE(code_windows1252(QChar(0x0080)).has_value()); // C1 control replaced by €
}

TEST(Windows1252, AllerRetourSurLesDeuxCentCinquanteSixCodes)
{
    for (int code = 0; code < 256; ++code) {
        const QChar c = caractere_windows1252(static_cast<unsigned char>(code));
        ASSERT_EQ(code_windows1252(c), code) << code;
    }
}
