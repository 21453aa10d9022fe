// The light window on the bench in real time, as a class measures the attenuation: station A holds
// its laser on through the link, the light window reads B's EA0 as B's timer reads it, a row is
// noted laser on and laser off at each distance, the bench started once per distance with
// --distance-b. The attenuation per metre that the window fits must be the bench model's.

#include "dessin/dessin_lumiere.h"
#include "fenetre/fenetre_lumiere.h"
#include "postes_reels/station_reelle.h"
#include "programme/laser_continu.h"
#include "sim/lumiere.h"

#include "tests/app/ecran_qt.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace optolink;

namespace {

constexpr int port_a = 91;
constexpr int port_b = 92;

// Yields the stations' loop for a while: their timers read EA0 meanwhile.
void patienter(mesures::StationReelle& b, double duree_s)
{
    const double fin = b.horloge.maintenant_s() + duree_s;
    while (b.horloge.maintenant_s() < fin)
        b.boucle.ceder(fin);
}

struct LumiereSurBanc : essai::Ecran {
    QTemporaryDir dossier;
    QProcess banc;
    void lancer_banc(double distance_b_m)
    {
        qputenv("TMPDIR", dossier.path().toLocal8Bit());
        banc.start(QStringLiteral(OPTOLINK_BENCH), {"--ports", QStringLiteral("%1,%2").arg(port_a).arg(port_b),
                                                    "--distance-b", QString::number(distance_b_m)});
        ASSERT_TRUE(banc.waitForStarted(30000));
        QString accueil;
        while (!accueil.contains(QStringLiteral("Ctrl-C")) && banc.waitForReadyRead(30000))
            accueil += QString::fromLocal8Bit(banc.readAllStandardOutput());
    }
    void arreter_banc()
    {
        banc.terminate();
        banc.waitForFinished(30000);
    }
    void TearDown() override { arreter_banc(); }
};

} // namespace

TEST_F(LumiereSurBanc, LAttenuationAjusteeEstCelleDuModeleDuBanc)
{
    // The window outlives the stations: it reads the readings copied from B's at each distance.
    Signaux lus;
    Etat etat;
    essai::BoitesMuettes boites;
    FenetreLumiere fenetre(lus, etat, boites, nullptr);
    fenetre.show();
    auto* position = fenetre.findChild<QLineEdit*>(QStringLiteral("position_lumiere"));
    auto* allume = fenetre.findChild<QPushButton*>(QStringLiteral("noter_allume"));
    auto* eteint = fenetre.findChild<QPushButton*>(QStringLiteral("noter_eteint"));
    ASSERT_TRUE(position && allume && eteint);

    const std::pair<double, const char*> distances[] = {{0.5, "0,5 m"}, {2.0, "2 m"}};
    for (const auto& [distance_m, etiquette] : distances) {
        lancer_banc(distance_m);
        mesures::StationReelle a, b;
        ASSERT_TRUE(a.demarrer(port_a, Codage::morse)) << qPrintable(a.poste.liaison.erreur());
        ASSERT_TRUE(b.demarrer(port_b, Codage::morse)) << qPrintable(b.poste.liaison.erreur());
        const auto noter = [&](QPushButton* bouton) {
            patienter(b, 1.5);
            for (const TensionLue& t : b.poste.signaux.tensions())
                lus.noter_tension(t.t_s, t.tension_v);
            position->setText(QString::fromUtf8(etiquette));
            QTest::mouseClick(bouton, Qt::LeftButton);
        };
        basculer_laser_continu(a.poste);
        noter(allume);
        basculer_laser_continu(a.poste);
        noter(eteint);
        a.poste.liaison.fermer_liaison();
        b.poste.liaison.fermer_liaison();
        arreter_banc();
    }

    const auto lignes = lignes_lumiere(fenetre.releves());
    ASSERT_EQ(lignes.size(), 2u);
    const auto ajustement = ajuster_attenuation(lignes);
    ASSERT_TRUE(ajustement);
    const double modele = sim::attenuation_db_m(0.5, 2.0);
    std::printf("ΔU à 0,5 m : %.3f V, à 2 m : %.3f V ; α ajusté %.3f dB/m, modèle du banc %.3f dB/m (écart %.1f %%)\n",
                *lignes[0].ecart_v, *lignes[1].ecart_v, ajustement->alpha_db_m, modele,
                100 * (ajustement->alpha_db_m - modele) / modele);
    EXPECT_NEAR(ajustement->alpha_db_m, modele, 0.05 * modele);
    // For the documentation's pictures: OPTOLINK_IMAGE_LUMIERE=chemin.png, the window, and its A4
    // report beside it in PDF.
    if (const QString image = qEnvironmentVariable("OPTOLINK_IMAGE_LUMIERE"); !image.isEmpty()) {
        fenetre.grab().save(image);
        EXPECT_EQ(ecrire_compte_rendu_lumiere_pdf(image + ".pdf", {fenetre.releves(), QDateTime::currentDateTime()}),
                  "");
    }
}
