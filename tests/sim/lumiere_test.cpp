#include "sim/commande_lumiere.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace optolink::sim;

// The spot doubles its radius at d0 = 2 m: a quarter of the light, 6.02 dB; at 6 m a sixteenth.
TEST(Lumiere, LaDistanceEtaleLaTache)
{
    EXPECT_DOUBLE_EQ(transmission(0), 1);
    EXPECT_DOUBLE_EQ(transmission(2), 0.25);
    EXPECT_DOUBLE_EQ(transmission(6), 1.0 / 16);
    EXPECT_NEAR(attenuation_db(2), 20 * std::log10(2.0), 1e-12);
    EXPECT_NEAR(attenuation_db_m(2, 6), 20 * std::log10(2.0) / 4, 1e-12);

    ReglagesLumiere r;
    r.distance_m = 2;
    Photodiode p(r, 1);
    EXPECT_DOUBLE_EQ(p.tension_v(0, true), 0.16 + 3.9 / 4);
    EXPECT_DOUBLE_EQ(p.tension_v(0, false), 0.16);
    // New settings while it runs: the ambient light adds to the dark as to the light.
    r.derive_v = 0.3;
    r.distance_m = 0;
    p.regler(r);
    EXPECT_DOUBLE_EQ(p.tension_v(1, false), 0.46);
    EXPECT_DOUBLE_EQ(p.tension_v(1, true), 0.46 + 3.9);
}

TEST(Lumiere, CommandeDUneExtremite)
{
    std::array<ReglagesLumiere, 2> actuels{};
    actuels[1].bruit_v = 0.1;
    actuels[1].derive_v = 0.2;
    const auto lue = lire_commande_lumiere("lumiere B distance=1.5 ambiante=0,3", actuels);
    ASSERT_TRUE(std::holds_alternative<CommandeLumiere>(lue));
    const auto& c = std::get<CommandeLumiere>(lue);
    EXPECT_EQ(c.rang, 1);
    EXPECT_DOUBLE_EQ(c.reglages.distance_m, 1.5);
    EXPECT_DOUBLE_EQ(c.reglages.derive_v, 0.3);
    EXPECT_DOUBLE_EQ(c.reglages.bruit_v, 0.1); // left out: kept
    const auto a = lire_commande_lumiere("  Lumière  a   bruit=0.05 ", actuels);
    ASSERT_TRUE(std::holds_alternative<CommandeLumiere>(a));
    EXPECT_EQ(std::get<CommandeLumiere>(a).rang, 0);
    EXPECT_DOUBLE_EQ(std::get<CommandeLumiere>(a).reglages.bruit_v, 0.05);

    const std::pair<const char*, QString> refus[] = {
        {"  ", "commande vide : lumiere A|B distance=M ambiante=V bruit=V"},
        {"laser B", "commande inconnue « laser B » : lumiere A|B distance=M ambiante=V bruit=V"},
        {"lumiere", "extrémité manquante (A ou B) : lumiere A|B distance=M ambiante=V bruit=V"},
        {"lumiere C distance=1", "extrémité inconnue « C » : A ou B"},
        {"lumiere A", "aucun réglage donné : lumiere A|B distance=M ambiante=V bruit=V"},
        {"lumiere A distance", "réglage « distance » sans valeur : clé=valeur attendu"},
        {"lumiere A couleur=rouge", "réglage inconnu « couleur » : distance, ambiante ou bruit"},
        {"lumiere A distance=1 distance=2", "distance donné deux fois"},
        {"lumiere A distance=un", "distance : « un » n'est pas un nombre"},
        {"lumiere A bruit=nan", "bruit : « nan » n'est pas un nombre"},
        {"lumiere A distance=-1", "distance hors limites : entre 0 et 100 m"},
        {"lumiere A ambiante=9", "ambiante hors limites : entre 0 et 7.8 V"},
    };
    for (const auto& [ligne, raison] : refus) {
        const auto r = lire_commande_lumiere(QString::fromUtf8(ligne), actuels);
        ASSERT_TRUE(std::holds_alternative<QString>(r)) << ligne;
        EXPECT_EQ(std::get<QString>(r), raison) << ligne;
    }
}
