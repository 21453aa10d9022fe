// A station of the program in real time, on its Qt clock, loop, timer and serial port, against
// optolink-bench as the user runs it, in another process: waiting for light, and receiving a fast
// recording from an interface told to vanish half-way through the download.

#include "programme/perte_liaison.h"
#include "rapide/recepteur_morse_rapide.h"
#include "postes_reels/processeur.h"
#include "postes_reels/station_reelle.h"
#include "tests/application_qt.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace optolink;

namespace {

constexpr int port_a = 87;
constexpr int port_b = 88;

struct StationReelleSurBanc : essai::ApplicationQt {
    QTemporaryDir dossier;
    QProcess banc;

    // The bench's ports in a folder of this test's own, where the station looks for them too.
    void lancer_banc(const QStringList& panne)
    {
        qputenv("TMPDIR", dossier.path().toLocal8Bit());
        banc.start(QStringLiteral(OPTOLINK_BENCH), QStringList{"--ports", QStringLiteral("%1,%2").arg(port_a).arg(port_b)} + panne);
        ASSERT_TRUE(banc.waitForStarted(30000));
        QString accueil;
        while (!accueil.contains(QStringLiteral("Ctrl-C")) && banc.waitForReadyRead(30000))
            accueil += QString::fromLocal8Bit(banc.readAllStandardOutput());
        ASSERT_TRUE(panne.isEmpty() || accueil.contains(QStringLiteral("Panne « disparition » de l'interface B")))
            << accueil.toStdString();
    }
    void TearDown() override
    {
        banc.terminate();
        banc.waitForFinished(30000);
    }
};

} // namespace

// The replies to the timer's requests are read at the next tick: their characters, a millisecond
// apart, wake nothing, and a station waiting for light wakes for its ticks only.
TEST_F(StationReelleSurBanc, EnAttenteDeLumiereElleNeSeReveilleQuASesTics)
{
    lancer_banc({});
    mesures::StationReelle b;
    ASSERT_TRUE(b.demarrer(port_b, Codage::morse_rapide)) << qPrintable(b.poste.liaison.erreur());
    int passages = 0;
    b.boucle.avantChaqueCession([&] { ++passages; });
    QTimer::singleShot(3000, [&] { b.poste.etat.typecodage.reset(); });
    const double debut = b.horloge.maintenant_s();
    const double processeur_debut = mesures::temps_processeur_fil_s();
    attentereceptionmorserapide(b.poste.liaison, b.poste.plateforme, b.poste.etat, b.poste.modele);
    const double duree = b.horloge.maintenant_s() - debut;
    const double processeur = mesures::temps_processeur_fil_s() - processeur_debut;
    const double tics = duree * 1000 / b.minuterie.interval();
    std::printf("attente de lumière : %.0f réveils pour %.0f tics ; processeur %.2f %% sur %.1f s\n", double(passages),
                tics, 100 * processeur / duree, duree);
    EXPECT_LT(passages, 1.5 * tics);
    EXPECT_TRUE(b.poste.liaison.ouverte());
}

TEST_F(StationReelleSurBanc, LeBancDebrancheAuMilieuDUnTelechargementRapide)
{
    // 6400 dark samples are "2," each: the port goes once about half of them have come.
    lancer_banc({"--panne", "disparition", "--panne-interface", "B", "--panne-apres-octets", "6500"});
    mesures::StationReelle b;
    surveiller_liaison(b.poste.plateforme, b.poste.liaison);
    ASSERT_TRUE(b.demarrer(port_b, Codage::morse_rapide)) << qPrintable(b.poste.liaison.erreur());
    b.poste.etat.nbmesuresmax = 6400;

    // The sender's start mark, through interface A: one second of light on B's photodiode.
    ComQt a;
    a.setCommPort(port_a);
    ASSERT_TRUE(a.setPortOpen(true)) << qPrintable(a.erreur());
    QTimer::singleShot(300, [&] { a.output(QByteArray(1, '\0')); });
    QTimer::singleShot(1300, [&] { a.output(" "); });

    // Stopped two seconds after the reception, or at a limit far beyond a whole download.
    auto arreter = [&] { b.poste.etat.typecodage.reset(); };
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, arreter);
    limite.start(60000);
    double fin_reception = 0;
    const auto sauvegarde = b.poste.fenetre.surOuvrirEnregistrefichier.brancher([&](const QString&) {
        fin_reception = b.horloge.maintenant_s();
        QTimer::singleShot(2000, arreter);
    });
    b.poste.etat.enregistremorse = true;
    b.poste.liaison.surSilence([] { ADD_FAILURE() << "a vanished interface is told as lost, not as silent"; });
    const double debut = b.horloge.maintenant_s();
    const double processeur_debut = mesures::temps_processeur_fil_s();
    attentereceptionmorserapide(b.poste.liaison, b.poste.plateforme, b.poste.etat, b.poste.modele);
    const double duree = b.horloge.maintenant_s() - debut;
    const double processeur = mesures::temps_processeur_fil_s() - processeur_debut;
    std::printf("téléchargement interrompu après %d échantillons ; réception finie à %.1f s ; processeur %.1f %% sur %.1f s\n",
                b.poste.etat.nbmesures, fin_reception - debut, 100 * processeur / duree, duree);

    EXPECT_TRUE(limite.isActive()) << "the station did not come back from its reception";
    ASSERT_EQ(b.boites.montrees.size(), 1u);
    EXPECT_EQ(b.boites.montrees[0].first, "Liaison avec Orphy GTS II perdue");
    EXPECT_TRUE(b.boites.montrees[0].second.contains(QStringLiteral("COM%1").arg(port_b))) << qPrintable(b.boites.montrees[0].second);
    EXPECT_GT(b.poste.etat.nbmesures, 1000);
    EXPECT_LT(b.poste.etat.nbmesures, 6000);
    EXPECT_GT(fin_reception, 0) << "the reception did not end";
    EXPECT_EQ(b.poste.fenetre.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE");
    EXPECT_TRUE(b.poste.plateforme.minuterie.enabled());
    EXPECT_FALSE(b.poste.liaison.ouverte());
    EXPECT_EQ(banc.state(), QProcess::Running) << "the bench itself must survive its interface";
    EXPECT_FALSE(QFileInfo(dossier.path() + QStringLiteral("/optolink-%1/COM%2").arg(getuid()).arg(port_b)).isSymLink());
}
