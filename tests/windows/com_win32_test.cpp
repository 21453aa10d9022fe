#include "postes_reels/poste_reel.h"
#include "tests/application_qt.h"

#include "liaison/messages_port.h"
#include "liaison_qt/processus_fenetre.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

using namespace optolink;

// The Windows serial port under Wine, against the simulated bench: the bench of Linux, whose
// interfaces A and B the script (com_win32.sh) maps to two COM numbers through Wine's registry, or
// the bench of Windows, whose named pipes the port rule finds under their own numbers
// (OPTOLINK_TUBES=1). The script gives the numbers here.
namespace {

constexpr double patience_s = 20;

int port_windows(const char* variable) { return qEnvironmentVariableIntValue(variable); }

constexpr double noir_v = 2 * 20.0 / 255;
constexpr double eclaire_v = 51 * 20.0 / 255;

struct ComWin32SurBanc : essai::ApplicationQt {
    const int port_a = port_windows("OPTOLINK_COM_A");
    const int port_b = port_windows("OPTOLINK_COM_B");
    mesures::PosteReel a{port_a};
    std::vector<double> lectures;
    std::vector<QString> pertes;

    void SetUp() override
    {
        ASSERT_GT(port_a, 0) << "à lancer par com_win32.sh";
        a.com.surPerte([this](const QString& raison) { pertes.push_back(raison); });
        a.minuterie.setInterval(30);
        a.minuterie.surTic([this] {
            a.lire_ea0();
            lectures.push_back(a.etat.tensionlue);
        });
    }

    template <class Condition>
    bool attendre(Condition condition)
    {
        const double limite = a.horloge.maintenant_s() + patience_s;
        while (!condition() && a.horloge.maintenant_s() < limite)
            a.boucle.ceder(limite);
        return condition();
    }

    // The test before may have left a reply on its way from the bench when it closed the port: it
    // comes in after this opening's purge, as it would from a real interface.
    void laisser_la_ligne_se_taire()
    {
        constexpr double silence_s = 0.1;
        double fin = a.horloge.maintenant_s() + silence_s;
        while (a.horloge.maintenant_s() < fin) {
            if (!a.com.input().isEmpty())
                fin = a.horloge.maintenant_s() + silence_s;
            a.boucle.ceder(fin);
        }
    }
};

} // namespace

// A reads EA0 every 30 ms; B's laser, switched by B's own port, lights A's photodiode.
TEST_F(ComWin32SurBanc, LecturesPeriodiquesEtLaserDeLAutrePoste)
{
    ASSERT_TRUE(a.liaison.ouvrir_liaison(a.etat.numeroport)) << a.liaison.erreur().toStdString();
    if (qEnvironmentVariableIsSet("OPTOLINK_TUBES"))
        EXPECT_TRUE(a.com.peripherique().startsWith(QStringLiteral("\\\\.\\pipe\\"))) << a.com.peripherique().toStdString();
    else
        EXPECT_EQ(a.com.peripherique(), QStringLiteral("COM%1").arg(port_a));
    a.minuterie.setEnabled(true);
    ASSERT_TRUE(attendre([&] { return lectures.size() >= 5 && a.etat.tensionlue == noir_v; }));

    mesures::PosteReel b{port_b};
    ASSERT_TRUE(b.liaison.ouvrir_liaison(b.etat.numeroport)) << b.liaison.erreur().toStdString();
    b.liaison.allumer_laser();
    ASSERT_TRUE(attendre([&] { return a.etat.tensionlue == eclaire_v; }));
    b.liaison.eteindre_laser_rapide();
    ASSERT_TRUE(attendre([&] { return a.etat.tensionlue == noir_v; }));
    for (const double v : lectures) {
        EXPECT_GE(v, 0.0);
        EXPECT_LE(v, eclaire_v);
    }
    EXPECT_TRUE(pertes.empty());
}

// InputLen 1 hands the reply over byte by byte, and a read with nothing there returns at once.
TEST_F(ComWin32SurBanc, LongueurDeLecture)
{
    a.com.setCommPort(port_a);
    ASSERT_TRUE(a.com.setPortOpen(true)) << a.com.erreur().toStdString();
    laisser_la_ligne_se_taire();
    EXPECT_TRUE(a.com.input().isEmpty());
    a.com.setInputLen(1);
    a.com.output("WEA 0\r");
    QByteArray reponse;
    ASSERT_TRUE(attendre([&] {
        const QByteArray octet = a.com.input();
        EXPECT_LE(octet.size(), 1);
        reponse += octet;
        return reponse.endsWith('\r');
    }));
    EXPECT_EQ(reponse, "2\r");
}

TEST_F(ComWin32SurBanc, EchecsDOuverture)
{
    ComWin32& com = a.com;
    com.setCommPort(0);
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_TRUE(com.erreur().contains(QStringLiteral("COM0")));

    com.setCommPort(250);
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_EQ(com.erreur(), QStringLiteral("Impossible d'ouvrir le port COM250 : aucun périphérique à cet endroit "
                                           "(interface non branchée, ou pilote absent)."));

    com.setCommPort(port_b);
    com.setSettings(QStringLiteral("9600,X,8,1"));
    EXPECT_FALSE(com.setPortOpen(true));
    // The bench's pipe is named beside the number ("COM20001 (\\.\pipe\...)").
    EXPECT_TRUE(com.erreur().startsWith(QStringLiteral("Impossible de régler le port COM%1").arg(port_b))) << com.erreur().toStdString();
    EXPECT_TRUE(com.erreur().endsWith(QStringLiteral(" sur \"9600,X,8,1\"."))) << com.erreur().toStdString();
}

// What the system's refusals become. A port held by another program is refused as "access denied"
// by Windows; Wine lets two programs open it, so that case is checked here by its code.
TEST(RaisonEchecOuverture, CodesDuSysteme)
{
    EXPECT_EQ(raison_echec_ouverture_windows(ERROR_FILE_NOT_FOUND), raison_peripherique_absent());
    EXPECT_EQ(raison_echec_ouverture_windows(ERROR_ACCESS_DENIED),
              QStringLiteral("accès refusé : le port est déjà utilisé par un autre programme"));
    EXPECT_EQ(raison_echec_ouverture_windows(ERROR_SHARING_VIOLATION), raison_port_occupe());
    EXPECT_TRUE(raison_echec_ouverture_windows(ERROR_GEN_FAILURE).startsWith(QStringLiteral("erreur du système (code 31")));
}

// Run alone by the script, which stops the bench a few seconds in: one notice, the port closed,
// later reads and writes doing nothing.
TEST_F(ComWin32SurBanc, BancArreteEnCoursDeRoute)
{
    ASSERT_TRUE(a.liaison.ouvrir_liaison(a.etat.numeroport)) << a.liaison.erreur().toStdString();
    a.minuterie.setEnabled(true);
    ASSERT_TRUE(attendre([&] { return !pertes.empty(); }));
    const auto tics = lectures.size();
    ASSERT_TRUE(attendre([&] { return lectures.size() >= tics + 10; }));
    EXPECT_EQ(pertes.size(), 1u);
    EXPECT_TRUE(pertes.front().contains(QStringLiteral("COM%1").arg(port_a))) << pertes.front().toStdString();
    EXPECT_FALSE(a.com.portOpen());
    EXPECT_EQ(a.etat.tensionlue, 0.0);
    a.liaison.eteindre_laser_rapide();
}

// What the program asks of Windows at start-up, read back where the system tells: the 1 ms timer
// always; the refusal of power throttling where the system keeps it (Windows 10 1709 and later;
// Wine may not), printed for the record.
TEST(ProcessusFenetre, CeQueWindowsAccorde)
{
    const ProcessusFenetre accorde = preparer_processus_fenetre();
    EXPECT_TRUE(accorde.fantome_refuse);
    EXPECT_TRUE(accorde.resolution_1ms);
    std::printf("bridage de la puissance refusé, relu du système : %s\n", accorde.bridage_refuse ? "oui" : "non (non relu)");
}
