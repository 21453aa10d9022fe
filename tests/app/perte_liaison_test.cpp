#include "programme/perte_liaison.h"

#include "postes_virtuels/station_virtuelle.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

struct PerteLiaison : ::testing::Test, StationBanc<BoitesScriptees> {};

TEST_F(PerteLiaison, LUtilisateurEstPrevenuUneFoisAvecLePeripherique)
{
    surveiller_liaison(poste.plateforme, poste.liaison);

    poste.etat.numeroport = 1;
    ASSERT_TRUE(poste.liaison.ouvrir_liaison(poste.etat.numeroport));
    com.debrancher();
    com.debrancher();
    ASSERT_EQ(boites.vues.size(), 1u);
    EXPECT_EQ(boites.vues[0].titre, "Liaison avec Orphy GTS II perdue");
    EXPECT_FALSE(boites.vues[0].avecAnnuler);
    EXPECT_TRUE(boites.vues[0].texte.startsWith("La liaison avec l'interface (" + com.peripherique() + ") est coupée :\n"))
        << boites.vues[0].texte.toStdString();
    EXPECT_TRUE(boites.vues[0].texte.endsWith("\n\nVérifier le branchement de l'interface, puis relancer le programme."));
}

TEST_F(PerteLiaison, UneInterfaceMuetteEstSignaleeUneFoisPuisSeulementApresAvoirRepondu)
{
    surveiller_liaison(poste.plateforme, poste.liaison);
    poste.etat.numeroport = 1;
    ASSERT_TRUE(poste.liaison.ouvrir_liaison(poste.etat.numeroport));
    poste.plateforme.minuterie.setInterval(30);
    poste.plateforme.minuterie.setEnabled(true);
    auto jusqua = [this](double t) {
        while (acteur.instant_s() < t)
            acteur.ceder(t);
    };

    banc.interface(0).provoquer({.sorte = sim::SortePanne::mutisme, .debut_s = 1});
    jusqua(2.9);
    EXPECT_TRUE(boites.vues.empty()) << "told before two seconds of silence";
    jusqua(6);
    ASSERT_EQ(boites.vues.size(), 1u);
    EXPECT_EQ(boites.vues[0].titre, "Liaison avec Orphy GTS II perdue");
    EXPECT_TRUE(boites.vues[0].texte.contains("est coupée :\nL'interface ne répond plus depuis 2 s")) << qPrintable(boites.vues[0].texte);
    EXPECT_TRUE(poste.liaison.ouverte());

    // It answers again from 6 s, then falls silent at 8 s.
    banc.interface(0).provoquer({.sorte = sim::SortePanne::mutisme, .debut_s = 8});
    jusqua(9.9);
    EXPECT_EQ(boites.vues.size(), 1u);
    jusqua(12);
    EXPECT_EQ(boites.vues.size(), 2u);
}
