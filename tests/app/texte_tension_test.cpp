#include "programme/texte_tension.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(TexteTension, DeuxChiffresEntiersDeuxDecimalesEtLeSeparateurDeLaLangue)
{
    const QLocale fr(QLocale::French, QLocale::France);
    EXPECT_EQ(texte_tension(3.9, fr), "03,90");
    EXPECT_EQ(texte_tension(0, fr), "00,00");
    EXPECT_EQ(texte_tension(0.5, fr), "00,50");
    EXPECT_EQ(texte_tension(2 * 20.0 / 255, fr), "00,16");
    EXPECT_EQ(texte_tension(12.346, fr), "12,35");
    EXPECT_EQ(texte_tension(20, fr), "20,00");
    EXPECT_EQ(texte_tension(123.4, fr), "123,40");
    EXPECT_EQ(texte_tension(9.999, fr), "10,00");
    EXPECT_EQ(texte_tension(-0.5, fr), "-00,50");
    EXPECT_EQ(texte_tension(-0.004, fr), "00,00");
    EXPECT_EQ(texte_tension(3.9, QLocale(QLocale::English, QLocale::UnitedStates)), "03.90");
}
