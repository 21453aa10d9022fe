#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/temps_virtuel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace optolink;
using namespace optolink::sim;
using namespace std::literals;

namespace {

constexpr double d = LigneSerie::duree_caractere_s;

struct Arrivee {
    double instant_s;
    char octet;
};

// A bench in virtual time, with a clock that moves only when asked.
struct BancVirtuel : ::testing::Test {
    TempsVirtuel temps;
    TempsVirtuel::Acteur& horloge = temps.acteur("test");
    ReglagesLumiere reglages;
    std::unique_ptr<Banc> banc;
    std::vector<Arrivee> reponses; // what A sends back, as it reaches the computer

    void monter()
    {
        banc = std::make_unique<Banc>(temps, reglages);
        a().surReponse([this](char c) { reponses.push_back({temps.maintenant_s(), c}); });
    }
    void SetUp() override { monter(); }
    InterfaceSimulee& a() { return banc->interface(0); }
    InterfaceSimulee& b() { return banc->interface(1); }
    void attendre_jusqua(double t) { horloge.ceder(t); }
    QByteArray texte_recu() const
    {
        QByteArray texte;
        for (const auto& r : reponses)
            texte.append(r.octet);
        return texte;
    }
};

} // namespace

// Wherever the stream is cut between two writes, the interface sees the same commands and signals.
TEST_F(BancVirtuel, CoupureAChaqueOctet)
{
    const QByteArray flux = QByteArray::fromStdString("WFORMAT 1WASCWBAUDS 0 \r\0\r \r\0 WEA 0\r\r \0"s);
    for (qsizetype coupure = 0; coupure <= flux.size(); ++coupure) {
        monter();
        a().envoyer(flux.first(coupure));
        attendre_jusqua(horloge.instant_s() + 0.013);
        a().envoyer(flux.sliced(coupure));
        attendre_jusqua(horloge.instant_s() + 0.1);
        EXPECT_EQ(a().octets_recus(), flux) << coupure;
        EXPECT_EQ(a().lignes_recues(), (QList<QByteArray>{"WFORMAT 1WASCWBAUDS 0 ", "WEA 0"})) << coupure;
        EXPECT_EQ(a().commandes_recues(), (QList<QByteArray>{"WFORMAT 1", "WASC", "WBAUDS 0 ", "WEA 0"})) << coupure;
        std::vector<bool> niveaux;
        for (const auto& c : a().journal_laser())
            niveaux.push_back(c.allume);
        EXPECT_EQ(niveaux, (std::vector<bool>{true, false, true, false, true})) << coupure;
    }
}

// Each character takes 10 bits at 9600 baud and waits behind those before it; the laser
// changes when its byte has arrived, not when it was written.
TEST_F(BancVirtuel, LaLigneCadenceEtLeLaserChangeALArrivee)
{
    attendre_jusqua(1.0);
    a().envoyer(QByteArray("WEA 0\r", 6));
    a().envoyer(QByteArray(1, '\0'));
    attendre_jusqua(1.002);
    a().envoyer(" ");
    attendre_jusqua(1.1);
    ASSERT_EQ(a().journal_laser().size(), 2u);
    EXPECT_NEAR(a().journal_laser()[0].instant_s, 1.0 + 7 * d, 1e-9);
    EXPECT_TRUE(a().journal_laser()[0].allume);
    EXPECT_NEAR(a().journal_laser()[1].instant_s, 1.0 + 8 * d, 1e-9);
    EXPECT_FALSE(a().journal_laser()[1].allume);
    // The reply leaves when the request's carriage return has arrived, and is paced the same way.
    ASSERT_EQ(reponses.size(), 2u);
    EXPECT_EQ(texte_recu(), "2\r");
    for (int i = 0; i < 2; ++i)
        EXPECT_NEAR(reponses[i].instant_s, 1.0 + (6 + 1 + i) * d, 1e-9);
}

TEST_F(BancVirtuel, LaLumiereDuLaserDEnFace)
{
    EXPECT_DOUBLE_EQ(a().tension_ea0_v(), 0.16);
    b().envoyer(QByteArray(1, '\0'));
    attendre_jusqua(0.01);
    EXPECT_DOUBLE_EQ(a().tension_ea0_v(), 0.16 + 3.9);
    EXPECT_DOUBLE_EQ(b().tension_ea0_v(), 0.16); // its own laser does not light its photodiode
    a().envoyer(QByteArray("WEA 0\r"));
    attendre_jusqua(0.1);
    EXPECT_EQ(texte_recu(), "51\r"); // Int(4.06 × 255 / 20)
    b().envoyer(" ");
    attendre_jusqua(0.2);
    EXPECT_DOUBLE_EQ(a().tension_ea0_v(), 0.16);
}

TEST_F(BancVirtuel, SeulEA0EstBranche)
{
    a().envoyer("WEA 3\r");
    attendre_jusqua(0.1);
    EXPECT_EQ(texte_recu(), "0\r");
}

TEST_F(BancVirtuel, UnEnregistrementEnvoieChaqueMesureALaCadence)
{
    a().envoyer("WPE 1  5 5000 1 0\r");
    attendre_jusqua(0.1);
    const double depart = 0.1 + 5 * d; // "WGOR" and its carriage return
    a().envoyer("WGOR\r");
    attendre_jusqua(1.0);
    EXPECT_EQ(texte_recu(), "2,2,2,2,2,");
    EXPECT_FALSE(a().enregistrement_en_cours());
    ASSERT_EQ(reponses.size(), 10u);
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(reponses[2 * k + 1].instant_s, depart + k * 0.005 + 2 * d, 1e-9) << k;
}

// At 1.3 ms a sample's text takes longer than the period: the line falls behind and paces them.
TEST_F(BancVirtuel, LesMesuresRapidesAttendentLaLigne)
{
    a().envoyer("WPE 1  6400 1300 1 0\r");
    a().envoyer("WGOR\r");
    attendre_jusqua(0.5);
    EXPECT_TRUE(a().enregistrement_en_cours());
    attendre_jusqua(30.0);
    EXPECT_FALSE(a().enregistrement_en_cours());
    EXPECT_EQ(texte_recu(), QByteArray("2,").repeated(6400));
    for (size_t i = 1; i < reponses.size(); ++i)
        ASSERT_NEAR(reponses[i].instant_s - reponses[i - 1].instant_s, d, 1e-9) << i;
}

// The lit level during the recording: A records while B's laser is on for part of it.
TEST_F(BancVirtuel, LEnregistrementSuitLaLumiere)
{
    a().envoyer("WPE 1  4 10000 1 0\rWGOR\r");
    attendre_jusqua(0.043); // samples at about 0.026, 0.036, 0.046, 0.056
    b().envoyer(QByteArray(1, '\0'));
    attendre_jusqua(1.0);
    EXPECT_EQ(texte_recu(), "2,2,51,51,");
}

TEST_F(BancVirtuel, CommandesDEnregistrementInvalidesIgnorees)
{
    a().envoyer("WGOR\r");                  // nothing programmed yet
    a().envoyer("WPE 1  0 1300 1 0\rWGOR\r"); // no sample to take
    a().envoyer("WPE 1  x 1300 1 0\rWGOR\r");
    a().envoyer("WPE 1\rWGOR\r");
    attendre_jusqua(1.0);
    EXPECT_TRUE(reponses.empty());
    EXPECT_FALSE(a().enregistrement_en_cours());
}

TEST_F(BancVirtuel, UnNouveauDepartAbandonneLEnregistrementEnCours)
{
    a().envoyer("WPE 1  1000 1300 1 0\rWGOR\r");
    attendre_jusqua(0.1);
    a().envoyer("WPE 1  3 1300 1 0\rWGOR\r");
    attendre_jusqua(0.2);
    reponses.clear();
    attendre_jusqua(5.0);
    EXPECT_TRUE(reponses.empty());
    EXPECT_FALSE(a().enregistrement_en_cours());
}

// Through USB a write waits for the next 1 ms frame after the host's delay, and never overtakes
// an earlier one; the replies wait for the adapter's latency timer, or leave as a full packet.
TEST_F(BancVirtuel, UneLiaisonUsbCadenceEnTramesEtEnPaquets)
{
    ReglagesUsb usb;
    usb.delai_hote_min_s = usb.delai_hote_max_s = 0.0004;
    a().regler_usb(usb);
    attendre_jusqua(1.0003);
    a().envoyer(QByteArray(1, '\0')); // leaves at 1.0007, on the bus at 1.001
    attendre_jusqua(1.0031);
    a().envoyer(" ");                  // on the bus at 1.004
    attendre_jusqua(1.1);
    ASSERT_EQ(a().journal_laser().size(), 2u);
    EXPECT_NEAR(a().journal_laser()[0].instant_s, 1.001 + d, 1e-9);
    EXPECT_NEAR(a().journal_laser()[1].instant_s, 1.004 + d, 1e-9);

    // On the bus at 1.101, the reply "2\r" in the adapter 8 characters later, sent with the timer's
    // next expiry: every 16 ms since the last packet.
    a().envoyer("WEA 0\r");
    attendre_jusqua(1.2);
    ASSERT_EQ(texte_recu(), "2\r");
    EXPECT_NEAR(reponses[0].instant_s, 70 * 0.016, 1e-9);
    EXPECT_DOUBLE_EQ(reponses[1].instant_s, reponses[0].instant_s);

    // A recording at 1.3 ms fills a packet of 62 characters in 64.6 ms: the latency timer comes first.
    reponses.clear();
    a().envoyer("WPE 1  200 1300 1 0\rWGOR\r");
    attendre_jusqua(5.0);
    EXPECT_EQ(texte_recu(), QByteArray("2,").repeated(200));
    std::vector<double> paquets;
    for (const Arrivee& r : reponses)
        if (paquets.empty() || r.instant_s > paquets.back())
            paquets.push_back(r.instant_s);
    for (std::size_t i = 1; i < paquets.size(); ++i)
        EXPECT_NEAR(paquets[i] - paquets[i - 1], 0.016, 1e-9) << i;

    // With a long latency, full packets of 62 characters leave on their own.
    monter();
    reponses.clear();
    usb.latence_s = 0.255;
    a().regler_usb(usb);
    a().envoyer("WPE 1  100 1300 1 0\rWGOR\r");
    attendre_jusqua(horloge.instant_s() + 5);
    ASSERT_EQ(reponses.size(), 200u);
    EXPECT_DOUBLE_EQ(reponses[61].instant_s, reponses[0].instant_s);
    EXPECT_GT(reponses[62].instant_s, reponses[61].instant_s);
}

TEST(Photodiode, BruitReproductibleEtBorne)
{
    ReglagesLumiere r;
    r.bruit_v = 0.5;
    r.graine = 7;
    Photodiode p1(r, r.graine), p2(r, r.graine), autre(r, 8);
    bool differe = false;
    for (int i = 0; i < 1000; ++i) {
        const double v = p1.tension_v(i * 0.001, i % 2 == 0);
        EXPECT_EQ(v, p2.tension_v(i * 0.001, i % 2 == 0));
        differe = differe || v != autre.tension_v(i * 0.001, i % 2 == 0);
        const double base = i % 2 == 0 ? 4.06 : 0.16;
        EXPECT_GE(v, std::max(0.0, base - 0.5));
        EXPECT_LE(v, base + 0.5);
    }
    EXPECT_TRUE(differe);
}

TEST(Photodiode, DeriveEtSaturation)
{
    ReglagesLumiere r;
    r.derive_v = 0.4;
    r.periode_derive_s = 8;
    Photodiode p(r, 1);
    EXPECT_NEAR(p.tension_v(0, false), 0.16, 1e-12);
    EXPECT_NEAR(p.tension_v(2, false), 0.56, 1e-12);
    EXPECT_NEAR(p.tension_v(6, false), 0.0, 1e-12); // never below 0 V
    r = {};
    r.eclaire_v = 10;
    Photodiode saturee(r, 1);
    EXPECT_LT(saturee.tension_v(0, true), tension_max_v);
    EXPECT_EQ(brut_ea(saturee.tension_v(0, true)), 99);
}

TEST(Photodiode, LectureBrute)
{
    EXPECT_EQ(brut_ea(0), 0);
    EXPECT_EQ(brut_ea(0.16), 2);
    EXPECT_EQ(brut_ea(20), 255);
    EXPECT_EQ(brut_ea(25), 255);
    EXPECT_EQ(brut_ea(-1), 0);
    EXPECT_EQ(brut_ea(10.0392), 127);
}
