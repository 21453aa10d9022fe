#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/temps_virtuel.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::sim;

namespace {

struct ComVirtuelle : ::testing::Test {
    TempsVirtuel temps;
    TempsVirtuel::Acteur& horloge = temps.acteur("test");
    Banc banc{temps, ReglagesLumiere{}};
    ComSimule com{banc.interface(0), temps};
    int pertes = 0;
    QString raison;

    void SetUp() override
    {
        com.surPerte([this](const QString& r) {
            ++pertes;
            raison = r;
        });
        com.setCommPort(1);
    }
    void attendre_jusqua(double t) { horloge.ceder(t); }
};

} // namespace

TEST_F(ComVirtuelle, LectureEntiereOuOctetParOctet)
{
    ASSERT_TRUE(com.setPortOpen(true));
    com.output("WEA 0\rWEA 0\r");
    EXPECT_EQ(com.input(), ""); // nothing has crossed the line yet
    attendre_jusqua(0.1);
    com.setInputLen(1);
    EXPECT_EQ(com.input(), "2");
    EXPECT_EQ(com.input(), "\r");
    com.setInputLen(0);
    EXPECT_EQ(com.input(), "2\r");
    EXPECT_EQ(com.input(), "");
}

TEST_F(ComVirtuelle, UnPortFermeNiEcritNiLit)
{
    com.output(" ");
    attendre_jusqua(0.1);
    EXPECT_TRUE(banc.interface(0).octets_recus().isEmpty());
    ASSERT_TRUE(com.setPortOpen(true));
    com.output("WEA 0\r");
    attendre_jusqua(0.2);
    ASSERT_TRUE(com.setPortOpen(false));
    EXPECT_EQ(com.input(), "");
    ASSERT_TRUE(com.setPortOpen(true));
    EXPECT_EQ(com.input(), ""); // what came while closed is lost
}

TEST_F(ComVirtuelle, LePortZeroNExistePas)
{
    com.setCommPort(0);
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_FALSE(com.portOpen());
    EXPECT_TRUE(com.erreur().contains("COM0"));
}

TEST_F(ComVirtuelle, DebrancherSignaleLaPerteUneSeuleFois)
{
    ASSERT_TRUE(com.setPortOpen(true));
    com.debrancher_a(0.05);
    for (int i = 0; i < 100; ++i) {
        com.output("WEA 0\r");
        attendre_jusqua(horloge.instant_s() + 0.01);
        com.input();
    }
    EXPECT_EQ(pertes, 1);
    EXPECT_TRUE(raison.contains("interface simulée A"));
    EXPECT_FALSE(com.portOpen());
    EXPECT_TRUE(com.debranche());
    EXPECT_EQ(com.input(), "");
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_FALSE(com.erreur().isEmpty());
    EXPECT_EQ(banc.interface(0).lignes_recues().size(), 5); // only what was written before the loss
    com.debrancher();
    EXPECT_EQ(pertes, 1);
}
