#include "app/perte_liaison.h"

#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/temps_virtuel.h"
#include "tests/app/boites_scriptees.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

TEST(PerteLiaison, TheUserIsToldOnceWithTheDevice)
{
    sim::TempsVirtuel temps;
    sim::Banc banc(temps, {});
    sim::ComSimule com(banc.interface(0), temps);
    auto& acteur = temps.acteur("A");
    auto minuterie = acteur.nouvelle_minuterie();
    BoitesScriptees boites;
    Poste poste(acteur, acteur, *minuterie, com, boites);
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
