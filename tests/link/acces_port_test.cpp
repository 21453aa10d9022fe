// The start-up of the program as an account without the rights on its interface's serial device
// sees it. Run by acces_port.sh, which creates the account, gives the device a group of its own
// and starts each test with the groups it names; the environment gives the port number reaching
// the device (OPTOLINK_ESSAI_PORT), the device's group (OPTOLINK_ESSAI_GROUPE) and the account
// (OPTOLINK_ESSAI_COMPTE).

#include "programme/demarrage.h"
#include "fenetre/boites_qt.h"
#include "liaison_qt/boucle_qt.h"
#include "liaison_qt/com_qt.h"
#include "liaison_qt/horloge_qt.h"
#include "liaison_qt/minuterie_qt.h"

#include "tests/app/ecran_qt.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;
using ::testing::HasSubstr;

namespace {

const QString titre_port = "N° de port COM (émulé) ? 1,2,3 ... 8 ? ";
const QString titre_refus = "Ouverture du port COM impossible";

struct AccesPort : Ecran {
    const QString port = qEnvironmentVariable("OPTOLINK_ESSAI_PORT");
    const QString groupe = qEnvironmentVariable("OPTOLINK_ESSAI_GROUPE");
    const QString compte = qEnvironmentVariable("OPTOLINK_ESSAI_COMPTE");

    HorlogeQt horloge;
    BoucleQt boucle{horloge};
    MinuterieQt minuterie;
    ComQt com;
    BoitesQt boites;
    Poste poste{horloge, boucle, minuterie, com, boites};

    void SetUp() override
    {
        ASSERT_FALSE(port.isEmpty() || groupe.isEmpty() || compte.isEmpty()) << "à lancer par acces_port.sh";
    }

    // The start-up up to the refusal, where Annuler ends it; the refusal's text, or nothing when
    // no refusal came. A refusal that does not show its whole text fails the test.
    std::string refus()
    {
        Repondeur repondeur;
        repondeur.choix = {{titre_port, port}, {titre_refus, "Annuler"}};
        QString texte;
        repondeur.regarder = [&](QWidget* boite) {
            if (boite->windowTitle() != titre_refus)
                return;
            texte = repondeur.vues.back().texte;
            EXPECT_EQ(boite_tronquee(boite), "");
        };
        EXPECT_FALSE(demarrage(poste));
        return texte.toStdString();
    }

    std::string compte_dans_le_groupe() const
    {
        return ("le compte « " + compte + " » n'appartient pas au groupe « " + groupe + " »").toStdString();
    }
};

// The session has none of the device's groups, and the account is in none of them.
TEST_F(AccesPort, UnCompteHorsDuGroupeApprendQuelGroupeRejoindreEtDoitSeReconnecter)
{
    const std::string texte = refus();
    EXPECT_THAT(texte, HasSubstr(compte_dans_le_groupe()));
    EXPECT_THAT(texte, HasSubstr(("sudo adduser " + compte + " " + groupe).toStdString()));
    EXPECT_THAT(texte, HasSubstr("reconnectez-vous"));
}

// The account was added to the group, but the session began before.
TEST_F(AccesPort, UnCompteAjouteDepuisLeDebutDeSaSessionDoitSeReconnecter)
{
    const std::string texte = refus();
    EXPECT_THAT(texte, HasSubstr(("a été ajouté au groupe « " + groupe + " »").toStdString()));
    EXPECT_THAT(texte, HasSubstr("reconnectez-vous"));
    EXPECT_THAT(texte, ::testing::Not(HasSubstr("sudo adduser")));
}

// A new session of the account, once added: the advice given was enough.
TEST_F(AccesPort, UneNouvelleSessionDuCompteAjouteOuvreLePort)
{
    com.setCommPort(port.toInt());
    EXPECT_TRUE(com.setPortOpen(true)) << com.erreur().toStdString();
}

} // namespace
