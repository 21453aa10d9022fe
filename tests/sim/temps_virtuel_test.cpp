#include "sim/temps_virtuel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace optolink;
using namespace optolink::sim;

TEST(TempsVirtuel, LaMinuterieTiqueAIntervallesReguliers)
{
    TempsVirtuel temps;
    auto& a = temps.acteur("A");
    auto minuterie = a.nouvelle_minuterie();
    std::vector<double> tics;
    minuterie->surTic([&] { tics.push_back(a.instant_s()); });
    minuterie->setInterval(50);
    minuterie->setEnabled(true);
    while (tics.size() < 4)
        a.ceder();
    ASSERT_EQ(tics.size(), 4u);
    EXPECT_NEAR(tics[0], 0.05, 1e-9);
    EXPECT_NEAR(tics[3], 0.20, 1e-9);
    minuterie->setEnabled(false);
    const double avant = a.maintenant_s();
    a.ceder(avant + 1.0);
    EXPECT_EQ(tics.size(), 4u);
    EXPECT_NEAR(a.instant_s(), avant + 1.0, 1e-9);
}

// A station spinning on its clock without yielding must not stop the other station's ticks:
// they run when their time comes, as on two computers.
TEST(TempsVirtuel, DeuxPostesAvancentEnsemble)
{
    TempsVirtuel temps;
    auto& a = temps.acteur("A");
    auto& b = temps.acteur("B");
    bool lumiere = false;
    std::vector<std::pair<double, bool>> vus;
    auto minuterie = b.nouvelle_minuterie();
    minuterie->setInterval(30);
    minuterie->surTic([&] { vus.emplace_back(b.instant_s(), lumiere); });

    const bool complet = temps.executer(
        {{&a,
          [&] {
              const double debut = a.maintenant_s();
              while (a.maintenant_s() < debut + 1.0) {
              }
              lumiere = true;
              const double allume = a.maintenant_s();
              while (a.maintenant_s() < allume + 1.0) {
              }
              lumiere = false;
          }},
         {&b,
          [&] {
              minuterie->setEnabled(true);
              while (b.maintenant_s() < 3.0)
                  b.ceder();
          }}},
        10.0);
    EXPECT_TRUE(complet);
    ASSERT_GT(vus.size(), 90u);
    for (const auto& [instant, allume] : vus) {
        if (instant < 0.99 || (instant > 2.01 && instant < 3.0)) {
            EXPECT_FALSE(allume) << instant;
        }
        if (instant > 1.01 && instant < 1.99) {
            EXPECT_TRUE(allume) << instant;
        }
    }
}

TEST(TempsVirtuel, LaLimiteArreteLesRoutinesSansFin)
{
    TempsVirtuel temps;
    auto& a = temps.acteur("A");
    int tours = 0;
    const bool complet = temps.executer({{&a, [&] {
                                              for (;;) {
                                                  a.ceder();
                                                  ++tours;
                                              }
                                          }}},
                                        2.0);
    EXPECT_FALSE(complet);
    EXPECT_GT(tours, 1000);
    EXPECT_LE(a.instant_s(), 2.0 + 1e-9);
}

TEST(TempsVirtuel, LesEvenementsDuMondeSuiventLeTemps)
{
    TempsVirtuel temps;
    auto& a = temps.acteur("A");
    std::vector<double> vus;
    temps.programmer(0.5, [&] { vus.push_back(temps.maintenant_s()); });
    temps.programmer(0.25, [&] { vus.push_back(temps.maintenant_s()); });
    while (a.maintenant_s() < 1.0) {
    }
    ASSERT_EQ(vus.size(), 2u);
    EXPECT_DOUBLE_EQ(vus[0], 0.25);
    EXPECT_DOUBLE_EQ(vus[1], 0.5);
}
