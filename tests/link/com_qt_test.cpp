#include "liaison_qt/ports_systeme.h"
#include "banc/banc_reel.h"
#include "postes_reels/poste_reel.h"
#include "tests/application_qt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace optolink;
using namespace optolink::sim;

namespace {

// Waits on real events, with a bound far beyond what any of them needs.
constexpr double patience_s = 20;

constexpr int port_a = 61;
constexpr int port_b = 62;

// A station on the real event loop, its interface on the bench served in the same process.
struct ComQtSurBanc : essai::ApplicationQt {
    QTemporaryDir dossier;
    std::unique_ptr<BancReel> banc;
    mesures::PosteReel poste{port_a};
    HorlogeQt& horloge = poste.horloge;
    BoucleQt& boucle = poste.boucle;
    MinuterieQt& minuterie = poste.minuterie;
    ComQt& com = poste.com;
    Etat& etat = poste.etat;
    Liaison& liaison = poste.liaison;
    std::vector<double> lectures;
    std::vector<QString> pertes;

    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        // The bench publishes its ports where this test, and only it, looks for them.
        qputenv("TMPDIR", dossier.path().toLocal8Bit());
        banc = std::make_unique<BancReel>(ReglagesLumiere{}, std::array{port_a, port_b}, dossier_banc());
        ASSERT_EQ(banc->erreur(), "");
        com.surPerte([this](const QString& raison) { pertes.push_back(raison); });
        minuterie.setInterval(30);
        minuterie.surTic([this] {
            poste.lire_ea0();
            lectures.push_back(etat.tensionlue);
        });
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    // Yields as the program does until the condition holds; false if it never does.
    template <class Condition>
    bool attendre(Condition condition)
    {
        const double limite = horloge.maintenant_s() + patience_s;
        while (!condition() && horloge.maintenant_s() < limite)
            boucle.ceder(limite);
        return condition();
    }
};

constexpr double noir_v = 2 * 20.0 / 255;
constexpr double eclaire_v = 51 * 20.0 / 255;

} // namespace

TEST_F(ComQtSurBanc, OuvertureEtLecturesPeriodiques)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(etat.numeroport)) << liaison.erreur().toStdString();
    EXPECT_TRUE(com.peripherique().endsWith(QStringLiteral("/COM61")));
    minuterie.setEnabled(true);
    ASSERT_TRUE(attendre([&] { return lectures.size() >= 5 && etat.tensionlue == noir_v; }));

    banc->interface(1).envoyer(QByteArray(1, '\0')); // B lights A's photodiode
    ASSERT_TRUE(attendre([&] { return etat.tensionlue == eclaire_v; }));
    banc->interface(1).envoyer(" ");
    ASSERT_TRUE(attendre([&] { return etat.tensionlue == noir_v; }));
    minuterie.setEnabled(false);
    liaison.fermer_liaison();

    const InterfaceSimulee& a = banc->interface(0);
    const QByteArray init("WFORMAT 1WASCWBAUDS 0 \r");
    ASSERT_TRUE(a.octets_recus().startsWith(init));
    const QByteArray suite = a.octets_recus().sliced(init.size());
    EXPECT_EQ(suite, QByteArray("WEA 0\r").repeated(suite.size() / 6));
    EXPECT_GE(a.lignes_recues().size(), 7);
    EXPECT_TRUE(a.journal_laser().empty());
    // A tick may catch a reply half-way (a busy computer): never more than the lit reading.
    for (const double v : lectures) {
        EXPECT_GE(v, 0.0);
        EXPECT_LE(v, eclaire_v);
    }
}

TEST_F(ComQtSurBanc, LesSignauxLaserAgissentSurLeBanc)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(etat.numeroport));
    liaison.allumer_laser();
    ASSERT_TRUE(attendre([&] { return banc->interface(0).laser_allume(); }));
    liaison.eteindre_laser_rapide();
    ASSERT_TRUE(attendre([&] { return !banc->interface(0).laser_allume(); }));
    EXPECT_TRUE(banc->interface(0).octets_recus().endsWith(QByteArray("\0\r ", 3)));
}

// The bench stops while the program reads: one notice, the port closed, and the loop goes on
// waking only for its own events, not for a stream of errors.
TEST_F(ComQtSurBanc, DebrancherEnCoursDeRoute)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(etat.numeroport));
    minuterie.setEnabled(true);
    ASSERT_TRUE(attendre([&] { return lectures.size() >= 3; }));
    banc.reset();
    ASSERT_TRUE(attendre([&] { return !pertes.empty(); }));
    const auto tics = lectures.size();
    int reveils = 0;
    const double limite = horloge.maintenant_s() + patience_s;
    while (lectures.size() < tics + 10 && horloge.maintenant_s() < limite) {
        boucle.ceder(limite);
        ++reveils;
    }
    EXPECT_EQ(lectures.size(), tics + 10);
    EXPECT_EQ(pertes.size(), 1u);
    EXPECT_TRUE(pertes.front().contains(QStringLiteral("COM61"))) << pertes.front().toStdString();
    EXPECT_FALSE(com.portOpen());
    EXPECT_LT(reveils, 10 * 20);
    EXPECT_EQ(etat.tensionlue, 0.0); // nothing comes any more
    liaison.eteindre_laser_rapide();  // writes to a lost port do nothing
    liaison.fermer_liaison();
}

TEST_F(ComQtSurBanc, EchecsDOuverture)
{
    com.setCommPort(0);
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_TRUE(com.erreur().contains(QStringLiteral("COM0")));

    // No bench there, no such serial port: the message names the device tried.
    com.setCommPort(250);
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_TRUE(com.erreur().contains(QStringLiteral("/dev/ttyS249"))) << com.erreur().toStdString();

    // Already in use by another program.
    ComQt autre;
    autre.setCommPort(port_b);
    ASSERT_TRUE(autre.setPortOpen(true)) << autre.erreur().toStdString();
    com.setCommPort(port_b);
    EXPECT_FALSE(com.setPortOpen(true));
    EXPECT_TRUE(com.erreur().contains(QStringLiteral("COM62"))) << com.erreur().toStdString();
    EXPECT_FALSE(com.portOpen());
    autre.setPortOpen(false);
    EXPECT_TRUE(com.setPortOpen(true)) << com.erreur().toStdString();
}
