#include "liaison/nombres.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(NombreEnTete, LectureDuNombreEnTete)
{
    EXPECT_EQ(nombre_en_tete(u"3"), 3);
    EXPECT_EQ(nombre_en_tete(u"  3"), 3);
    EXPECT_EQ(nombre_en_tete(u"2.5"), 2.5);
    EXPECT_EQ(nombre_en_tete(u"COM3"), 0);
    EXPECT_EQ(nombre_en_tete(u""), 0);
    EXPECT_EQ(nombre_en_tete(u"12\r"), 12);
    EXPECT_EQ(nombre_en_tete(u"12,7,"), 12);
    EXPECT_EQ(nombre_en_tete(u"-4x"), -4);
    EXPECT_EQ(nombre_en_tete(u"1.2.3"), 1.2);
    EXPECT_EQ(nombre_en_tete(u"3 7"), 3);
    EXPECT_EQ(nombre_en_tete(u" 3 7 ", true), 37);
}

TEST(ArrondiPair, LesMoitiesVontAuPair)
{
    EXPECT_EQ(arrondi_pair(2.5), 2);
    EXPECT_EQ(arrondi_pair(3.5), 4);
    EXPECT_EQ(arrondi_pair(-2.5), -2);
    EXPECT_EQ(arrondi_pair(2.4), 2);
    EXPECT_EQ(arrondi_pair(2.6), 3);
}

TEST(TexteNombre, BlancDevantUnNombrePositif)
{
    EXPECT_EQ(texte_nombre(6400), " 6400");
    EXPECT_EQ(texte_nombre(0), " 0");
    EXPECT_EQ(texte_nombre(-3), "-3");
}
