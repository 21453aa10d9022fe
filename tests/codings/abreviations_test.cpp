#include "codages/abreviations.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;

TEST(Abreger, TexteCompletSeulement)
{
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(abreger(abreviation(n).texte), abreviation(n).abreviation);
    const QString sansEspaceFinal = abreviation(1).texte.chopped(1);
    EXPECT_EQ(abreger(sansEspaceFinal), sansEspaceFinal);
    EXPECT_EQ(abreger("sos"), "sos");
    EXPECT_TRUE(abreviation(1).texte.startsWith("code e1 : "));
    EXPECT_TRUE(abreviation(1).texte.endsWith("l'informatique "));
}

TEST(Developper, RecepteursLentsComparentLeMessageEntier)
{
    const QString e3 = abreviation(3).phrase;
    for (const char* forme : {"    e3", "e3", "   e3", "  e3", " e3", "e3 ", " e3 ", "e 3", " e 3", "e 3 ", " e 3 "})
        EXPECT_EQ(developper(forme), e3) << forme;
    EXPECT_EQ(developper("e3  "), "e3  ");
    EXPECT_EQ(developper("     e3"), "     e3");
    EXPECT_EQ(developper(" e2 "), abreviation(2).phrase);
    EXPECT_EQ(developper("e5"), "e5");
    EXPECT_TRUE(e3.startsWith(" c'est grâce à la chimie"));
}

TEST(Developper, RecepteursRapidesComparentLesTroisPremiersCaracteres)
{
    const auto trois = Developpement::trois_premiers;
    EXPECT_EQ(developper("e2", trois), abreviation(2).phrase);
    EXPECT_EQ(developper("e2        ", trois), abreviation(2).phrase);
    EXPECT_EQ(developper(" e2x", trois), abreviation(2).phrase);
    EXPECT_EQ(developper("e 1 et la suite", trois), abreviation(1).phrase);
    EXPECT_EQ(developper("  e2", trois), "  e2");
    EXPECT_EQ(developper("xe2", trois), "xe2");
}

TEST(Developper, DecodeursDeFichierHuitOrthographes)
{
    const auto fichier = Developpement::fichier;
    for (const char* forme : {" e4", "e4", "e4 ", " e4 ", "e 4", " e 4", "e 4 ", " e 4 "})
        EXPECT_EQ(developper(forme, fichier), abreviation(4).phrase) << forme;
    for (const char* forme : {"    e4", "   e4", "  e4", "e4  ", "e4 x"})
        EXPECT_EQ(developper(forme, fichier), forme) << forme;
}
