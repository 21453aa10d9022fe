#include "app/perte_liaison.h"

#include "tests/app/boites_scriptees.h"
#include "tests/app/station_banc.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

struct PerteLiaison : ::testing::Test, StationBanc<BoitesScriptees> {};

TEST_F(PerteLiaison, TheUserIsToldOnceWithTheDevice)
{
    surveiller_liaison(poste);

    poste.etat.numeroport = 1;
    ASSERT_TRUE(poste.liaison.ouvrir_liaison());
    com.debrancher();
    com.debrancher();
    ASSERT_EQ(boites.vues.size(), 1u);
    EXPECT_EQ(boites.vues[0].titre, "Liaison avec Orphy GTS II perdue");
    EXPECT_FALSE(boites.vues[0].avecAnnuler);
    EXPECT_TRUE(boites.vues[0].texte.startsWith("La liaison avec l'interface (" + com.peripherique() + ") est coupée :\n"))
        << boites.vues[0].texte.toStdString();
    EXPECT_TRUE(boites.vues[0].texte.endsWith("\n\nVérifier le branchement de l'interface, puis relancer le programme."));
}
