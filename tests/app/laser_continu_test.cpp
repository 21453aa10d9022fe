#include "programme/boutons.h"
#include "programme/laser_continu.h"
#include "programme/menus.h"

#include "postes_virtuels/postes_simules.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

// The beam held on through the link for the facing station's measurements, and each thing that puts
// it out first: a change of coding, a send (which then plays its own signal from the dark), Quit.
TEST(LaserContinu, AllumeParLaLiaisonEteintAuChangementDeCodageALEnvoiEtEnQuittant)
{
    DeuxPostes postes;
    Poste& a = postes.posteA;
    const sim::InterfaceSimulee& laser = postes.banc.interface(0);
    struct Constat {
        double instant_s;
        bool allume;
    };
    std::vector<Constat> constats;
    double envoi_s = 0;
    // Half a second later, the line has carried the command.
    const auto constater = [&] {
        const double t = postes.acteurA.instant_s() + 0.5;
        postes.acteurA.ceder(t);
        constats.push_back({t, laser.laser_allume()});
    };
    const bool complet = postes.temps.executer({{&postes.acteurA,
                                                 [&] {
                                                     demarrer(a, optolink::Codage::morse, 1, 50);
                                                     basculer_laser_continu(a);
                                                     constater();
                                                     menu_Click(a, Menu::menu_typebinaire);
                                                     EXPECT_FALSE(a.etat.laser_continu);
                                                     constater();
                                                     basculer_laser_continu(a);
                                                     constater();
                                                     a.fenetre.Texte1.Text = "a";
                                                     envoi_s = postes.acteurA.instant_s();
                                                     hors_envoi(binaire_lent().envoyer)(a);
                                                     constater();
                                                     menu_Click(a, Menu::menu_binairerap_17s);
                                                     basculer_laser_continu(a);
                                                     constater();
                                                     Btonquitter_Click(a);
                                                     constater();
                                                 }}},
                                               400);
    ASSERT_TRUE(complet);
    ASSERT_EQ(constats.size(), 6u);
    const bool attendus[] = {true, false, true, false, true, false};
    for (std::size_t i = 0; i < constats.size(); ++i)
        EXPECT_EQ(constats[i].allume, attendus[i]) << constats[i].instant_s;
    // Put out at the click, before the start marker's light: the send's first light follows a dark.
    const auto& j = laser.journal_laser();
    const auto extinction = std::ranges::find_if(
        j, [&](const sim::ChangementLaser& c) { return !c.allume && c.instant_s >= envoi_s; });
    ASSERT_NE(extinction, j.end());
    EXPECT_LT(extinction->instant_s, envoi_s + 0.01);
    ASSERT_NE(extinction + 1, j.end());
    EXPECT_TRUE((extinction + 1)->allume);
    EXPECT_GT((extinction + 1)->instant_s, extinction->instant_s);
}
