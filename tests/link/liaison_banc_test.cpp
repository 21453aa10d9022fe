#include "liaison/liaison.h"
#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/temps_virtuel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace optolink;
using namespace optolink::sim;

namespace {

constexpr double d = duree_caractere_s;

// Station A on the simulated bench, in virtual time, with its periodic EA0 reading.
struct LiaisonBanc : ::testing::Test {
    TempsVirtuel temps;
    TempsVirtuel::Acteur& poste = temps.acteur("A");
    Banc banc{temps, ReglagesLumiere{}};
    ComSimule com{banc.interface(0), temps};
    Liaison liaison{com, poste};
    double tensionlue = 0;
    std::unique_ptr<Minuterie> minuterie = poste.nouvelle_minuterie();
    std::vector<std::pair<double, double>> lectures; // (tick instant, tensionlue)

    void SetUp() override
    {
        minuterie->setInterval(30);
        minuterie->surTic([this] {
            tensionlue = liaison.Minuterie_Timer().tension_v.value_or(tensionlue);
            lectures.emplace_back(poste.instant_s(), tensionlue);
        });
    }
    InterfaceSimulee& interface() { return banc.interface(0); }
    void attendre_jusqua(double t)
    {
        while (poste.instant_s() < t)
            poste.ceder(t);
    }
    void laser_en_face(bool allume) { banc.interface(1).envoyer(QByteArray(1, allume ? '\0' : ' ')); }
};

constexpr double noir_v = 2 * 20.0 / 255;   // raw 2
constexpr double eclaire_v = 51 * 20.0 / 255; // raw 51

} // namespace

TEST_F(LiaisonBanc, LInitialisationArriveEnUneLigne)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(1));
    attendre_jusqua(0.1);
    EXPECT_EQ(interface().octets_recus(), "WFORMAT 1WASCWBAUDS 0 \r");
    EXPECT_EQ(interface().commandes_recues(), (QList<QByteArray>{"WFORMAT 1", "WASC", "WBAUDS 0 "}));
    EXPECT_TRUE(interface().journal_laser().empty());
    EXPECT_EQ(com.settings(), "9600,N,8,1");
}

// The text read at a tick answers the previous tick's request: the reading lags one interval.
TEST_F(LiaisonBanc, LaLectureRetardeDUnTic)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(1));
    minuterie->setEnabled(true);
    attendre_jusqua(0.1);
    laser_en_face(true); // lights A's photodiode at 0.1 + d
    attendre_jusqua(0.2);
    ASSERT_GE(lectures.size(), 6u);
    // Ticks near 0.03, 0.06, 0.09, 0.12, 0.15, 0.18: the request of 0.12 is the first to see the
    // light, and its answer is read at 0.15.
    const std::vector<double> attendues = {0, noir_v, noir_v, noir_v, eclaire_v, eclaire_v};
    for (size_t i = 0; i < attendues.size(); ++i) {
        EXPECT_NEAR(lectures[i].first - lectures[0].first, 0.03 * i, 1e-9);
        EXPECT_DOUBLE_EQ(lectures[i].second, attendues[i]) << i;
    }
}

TEST_F(LiaisonBanc, LaTensionNeBougePasMinuterieArretee)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(1));
    laser_en_face(true);
    minuterie->setEnabled(true);
    attendre_jusqua(0.2);
    EXPECT_DOUBLE_EQ(tensionlue, eclaire_v);
    minuterie->setEnabled(false);
    const auto nb = lectures.size();
    laser_en_face(false);
    attendre_jusqua(2.0);
    EXPECT_EQ(lectures.size(), nb);
    EXPECT_DOUBLE_EQ(tensionlue, eclaire_v);
    // Back on: the first tick reads the answer left over from before the stop, then the dark.
    minuterie->setEnabled(true);
    attendre_jusqua(2.07);
    ASSERT_EQ(lectures.size(), nb + 2);
    EXPECT_DOUBLE_EQ(lectures[nb].second, eclaire_v);
    EXPECT_DOUBLE_EQ(lectures[nb + 1].second, noir_v);
    // Once more, with nothing left over: an empty read gives 0 V.
    minuterie->setEnabled(false);
    attendre_jusqua(3.0);
    liaison.lire();
    minuterie->setEnabled(true);
    attendre_jusqua(3.04);
    EXPECT_DOUBLE_EQ(lectures.back().second, 0.0);
}

// A transmitter asserting the level on every pass of its wait: each change of level reaches the
// interface one character time after its write, never held up by the repeats.
TEST_F(LiaisonBanc, UnChangementDeNiveauPasseSansAttendreLesRepetitions)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(1));
    attendre_jusqua(0.1);
    std::vector<std::pair<double, bool>> ecrits; // changes of level as written
    std::vector<double> effets;
    interface().surChangementLaser([&](const ChangementLaser& c) { effets.push_back(c.instant_s); });
    bool allume = false;
    double debut = poste.maintenant_s();
    for (int element = 0; element < 40; ++element) {
        allume = !allume;
        ecrits.emplace_back(poste.maintenant_s(), allume);
        const double fin = debut + 0.0037 * (1 + element % 3);
        while (poste.maintenant_s() < fin) {
            if (allume)
                liaison.allumer_laser_rapide();
            else
                liaison.eteindre_laser_rapide();
        }
        debut = fin;
    }
    attendre_jusqua(poste.instant_s() + 0.1);
    ASSERT_EQ(effets.size(), ecrits.size());
    for (size_t i = 0; i < ecrits.size(); ++i) {
        const double delai = effets[i] - ecrits[i].first;
        EXPECT_NEAR(delai, d, 1e-4) << i; // the write itself reads the clock twice
    }
    // One byte per change: the elements are shorter than the reminder period.
    const auto octets = interface().octets_recus().size() - QByteArray("WFORMAT 1WASCWBAUDS 0 \r").size();
    EXPECT_EQ(octets, static_cast<qsizetype>(ecrits.size()));
}

TEST_F(LiaisonBanc, SignauxLentsTerminesEtRapidesNus)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(1));
    attendre_jusqua(0.1);
    liaison.allumer_laser();
    attendre_jusqua(0.2);
    liaison.eteindre_laser();
    attendre_jusqua(0.3);
    liaison.allumer_laser_rapide();
    attendre_jusqua(0.4);
    liaison.eteindre_laser_rapide();
    attendre_jusqua(0.5);
    EXPECT_EQ(interface().octets_recus(), QByteArray("WFORMAT 1WASCWBAUDS 0 \r\0\r \r\0 ", 29));
    const auto& journal = interface().journal_laser();
    ASSERT_EQ(journal.size(), 4u);
    // One character after the write (which reads the clock once, 20 µs of virtual time).
    EXPECT_TRUE(journal[0].allume);
    EXPECT_NEAR(journal[0].instant_s, 0.1 + d, 1e-4);
    EXPECT_FALSE(journal[3].allume);
    EXPECT_NEAR(journal[3].instant_s, 0.4 + d, 1e-4);
}

// A download as the fast receivers make it: discard, program, one character per read, start.
TEST_F(LiaisonBanc, TelechargementDUnEnregistrement)
{
    ASSERT_TRUE(liaison.ouvrir_liaison(1));
    minuterie->setEnabled(true);
    attendre_jusqua(0.1);
    minuterie->setEnabled(false);
    attendre_jusqua(0.2);
    liaison.lire();
    EXPECT_DOUBLE_EQ(liaison.programmer_enregistrement(50, Echantillonnage::us500).value_or(0), 0.0005);
    liaison.definir_longueur_entree(1);
    liaison.lancer_enregistrement();
    laser_en_face(true);
    QStringList valeurs;
    QString chainemesure;
    while (valeurs.size() < 50 && poste.instant_s() < 5) {
        const QString c = liaison.lire();
        if (c == ",") {
            valeurs.append(chainemesure);
            chainemesure.clear();
        } else {
            EXPECT_LE(c.size(), 1);
            chainemesure += c;
        }
        poste.ceder();
    }
    liaison.definir_longueur_entree(0);
    ASSERT_EQ(valeurs.size(), 50);
    EXPECT_EQ(valeurs.front(), "51");
    EXPECT_EQ(valeurs.back(), "51");
    EXPECT_EQ(interface().lignes_recues().mid(interface().lignes_recues().size() - 2),
              (QList<QByteArray>{"WPE 1  50 500 1 0", "WGOR"}));
}
