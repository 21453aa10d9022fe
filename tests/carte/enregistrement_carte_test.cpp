// The firmware itself, run by the simulated ATmega2560: what the program sees of it on the line.
#include "carte_en_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

using namespace std::literals;

namespace {

// A value kept on `bits` bits comes back at the middle of its step.
int rendu(int valeur, int bits)
{
    const int perdus = 6 - bits;
    return (valeur >> perdus << perdus) | (perdus ? 1 << (perdus - 1) : 0);
}

// A different level in front of every sample, all 64 of them in turn.
int niveau(long rang) { return static_cast<int>((rang * 37 + 11) % 64); }

struct Enregistrement {
    int nombre;
    int periode_us;
    int bits;
    int bauds = 9600;
};

} // namespace

// The program's six recordings: each level put before the chip half a period either side of a
// sampling instant comes back in its place, at the resolution the length, the period and the line's
// rate allow. At 500 000 baud the line keeps up with every period: all at 6 bits, and the last value
// reaches the computer within a few characters of its sample.
TEST(CarteSimulee, EnregistrementEchantillonParEchantillon)
{
    const Enregistrement enregistrements[] = {
        {6400, 1300, 6},         {6400, 800, 6},         {6400, 500, 6},         {12800, 1300, 6},
        {12800, 800, 6},         {12800, 500, 5},        {6400, 1300, 6, 500000}, {6400, 500, 6, 500000},
        {12800, 800, 6, 500000}, {12800, 500, 6, 500000}, {12800, 200, 6, 500000},
    };
    for (const Enregistrement& e : enregistrements) {
        CarteEnTest b;
        if (e.bauds != 9600)
            b.accelerer();
        double derniere_conversion_s = 0;
        b.carte.surConversion([&](double t, double) { derniere_conversion_s = t; });
        const double periode_s = e.periode_us * 1e-6;
        b.ecrire("WPE 1  " + std::to_string(e.nombre) + " " + std::to_string(e.periode_us) + " 1 0\r");
        // The instants are counted from the first sample's, the command's way through the chip apart.
        std::optional<double> depart_s;
        bool lance = false;
        b.tension_v = [&](double t) {
            if (lance && !depart_s)
                depart_s = t;
            return tension_de(niveau(depart_s ? std::lround((t - *depart_s) / periode_s) : 0));
        };
        b.carte.envoyer("WGOR\r");
        lance = true;
        const double fin_s = b.carte.envois_arrives_a_s() + e.nombre * 0.0032 + 1;
        const std::vector<int> valeurs = b.telecharger(e.nombre, fin_s);
        ASSERT_TRUE(depart_s);
        EXPECT_LT(*depart_s - (fin_s - e.nombre * 0.0032 - 1), 0.0005) << e.nombre << " à " << e.periode_us << " µs";
        ASSERT_EQ(std::ssize(valeurs), e.nombre) << e.nombre << " à " << e.periode_us << " µs";
        for (int k = 0; k < e.nombre; ++k)
            ASSERT_EQ(valeurs[k], rendu(niveau(k), e.bits)) << e.nombre << " à " << e.periode_us << " µs, échantillon " << k;
        EXPECT_EQ(b.recu, "");
        // The conversion's 104 µs, then at most "63," behind the value before.
        if (e.bauds != 9600) {
            EXPECT_LT(b.dernier_octet_s - derniere_conversion_s, 150e-6 + 6 * 10.0 / e.bauds) << e.nombre << " à " << e.periode_us;
        }
    }
}

TEST(CarteSimulee, LectureDeEA0)
{
    const std::pair<double, std::string> cas[] = {
        {0.0, "0\r"}, {0.16, "2\r"}, {2.5, "31\r"}, {4.06, "51\r"}, {4.99, "63\r"}, {5.0, "63\r"}, {7.8, "63\r"},
    };
    CarteEnTest b;
    for (const auto& [tension, reponse] : cas) {
        b.tension_v = [tension](double) { return tension; };
        b.ecrire("WEA 0\r");
        b.carte.avancer_jusqua(b.carte.maintenant_s() + 0.01);
        EXPECT_EQ(b.recu, reponse) << tension << " V";
        b.recu.clear();
    }
    b.ecrire("WEA 1\r");
    b.carte.avancer_jusqua(b.carte.maintenant_s() + 0.01);
    EXPECT_EQ(b.recu, "0\r") << "EA1 n'est pas câblée";
}

// A request during a recording is answered between two values, and the recording loses nothing.
TEST(CarteSimulee, LectureDeEA0PendantUnEnregistrement)
{
    CarteEnTest b;
    b.tension_v = [](double) { return tension_de(40); };
    b.ecrire("WPE 1  200 500 1 0\rWGOR\r");
    b.ecrire("WEA 0\r");
    const std::vector<int> valeurs = b.telecharger(200, 2);
    EXPECT_EQ(valeurs, std::vector<int>(200, 40));
    EXPECT_EQ(b.recu, "40\r");
}

// Each laser byte acts once its last bit has arrived, with or without a carriage return, in the
// middle of a command too.
TEST(CarteSimulee, InstantsDuLaser)
{
    struct Cas {
        std::string_view octets;
        std::size_t rang;   // of the laser byte
        bool allume;
    };
    const Cas cas[] = {
        {"\0"sv, 0, true}, {" "sv, 0, false}, {"\0\r"sv, 0, true}, {" \r"sv, 0, false},
        {"WEA\0" "0\r"sv, 3, true}, {"WEA 0\r"sv, 3, false},
    };
    CarteEnTest b;
    for (const Cas& c : cas) {
        const double debut_s = b.carte.maintenant_s();
        b.laser.clear();
        b.ecrire(c.octets);
        b.carte.avancer_jusqua(b.carte.maintenant_s() + 0.01);
        ASSERT_EQ(b.laser.size(), 1u) << c.rang;
        EXPECT_EQ(b.laser[0].second, c.allume);
        const double arrivee_s = debut_s + (c.rang + 1) * optolink::sim::CarteSimulee::duree_caractere_s;
        EXPECT_GE(b.laser[0].first, arrivee_s);
        EXPECT_LT(b.laser[0].first, arrivee_s + 50e-6) << "the byte acts within a few instructions of its arrival";
    }
}

// The program's timer asking for EA0 every 30 ms all through the longest recording the line cannot
// keep up with: the replies the ring has no room for wait for the last sample, and every sample
// comes back in its place.
TEST(CarteSimulee, AucuneMesurePerdueSousLesDemandes)
{
    CarteEnTest b;
    const double periode_s = 800e-6;
    b.ecrire("WPE 1  12800 800 1 0\r");
    double depart_s = 1e9;
    b.tension_v = [&](double t) { return tension_de(niveau(std::lround(std::max(0.0, t - depart_s) / periode_s))); };
    b.carte.envoyer("WGOR\r");
    depart_s = b.carte.envois_arrives_a_s();
    int demandes = 0;
    b.a_chaque_tic = [&] {
        b.carte.envoyer("WEA 0\r");
        ++demandes;
    };
    const std::vector<int> valeurs = b.telecharger(12800, depart_s + 45);
    ASSERT_EQ(std::ssize(valeurs), 12800);
    for (int k = 0; k < 12800; ++k)
        ASSERT_EQ(valeurs[k], niveau(k)) << "échantillon " << k;
    EXPECT_GT(std::ranges::count(b.recu, '\r'), 29) << demandes << " demandes";
}

// A new recording while the last one is still going out: at most the end of the value the line had
// begun comes first, whole, then only the new recording; a reading asked for just before goes only
// if the line had begun it.
TEST(CarteSimulee, NouvelEnregistrementSurUneFileVide)
{
    CarteEnTest b;
    b.tension_v = [](double) { return tension_de(40); };
    b.ecrire("WPE 1  6400 500 1 0\rWGOR\r");
    b.carte.avancer_jusqua(b.carte.maintenant_s() + 1);
    b.ecrire("WPE 1  100 500 1 0\r");
    b.tension_v = [](double) { return tension_de(7); };
    b.ecrire("WEA 0\rWGOR\r");
    b.recu.clear();
    b.carte.avancer_jusqua(b.carte.maintenant_s() + 2);
    std::string nouveaux;
    for (int k = 0; k < 100; ++k)
        nouveaux += "7,";
    ASSERT_TRUE(b.recu.ends_with(nouveaux)) << b.recu;
    const std::string reste = b.recu.substr(0, b.recu.size() - nouveaux.size());
    EXPECT_LE(reste.size(), 4u) << reste;
    EXPECT_TRUE(reste.empty() || reste.back() == ',' || reste.back() == '\r') << reste;
}

// The greeting at start-up; the board's rate taken on the command, answered at once; an unknown rate
// refused; a byte the faster rate cannot frame brings the line back to 9600 baud, where EA0 answers.
TEST(CarteSimulee, AccueilVitesseEtRetourA9600)
{
    CarteEnTest b;
    EXPECT_EQ(b.accueil, "OPTOLINK CARTE 1\r");
    b.ecrire("WVITESSE 115200\r");
    b.carte.avancer_jusqua(b.carte.maintenant_s() + 0.001);
    EXPECT_EQ(b.carte.vitesse_puce_bauds(), 9615);

    b.accelerer();
    EXPECT_EQ(b.carte.vitesse_puce_bauds(), 500000);
    const double demande_s = b.ecrire("WEA 0\r");
    b.carte.avancer_jusqua(demande_s + 0.001);
    EXPECT_EQ(b.recu, "2\r");
    // The conversion, 104 µs to 13 of the converter's cycles, then two characters of 20 µs.
    EXPECT_LT(b.dernier_octet_s - demande_s, 300e-6);

    // Written at 9600 baud: the chip cannot frame it at its rate, and answers nothing at 9600.
    b.recu.clear();
    b.carte.regler_vitesse_ordinateur(9600);
    b.carte.avancer_jusqua(b.ecrire("\xff") + 0.001);
    EXPECT_EQ(b.carte.vitesse_puce_bauds(), 9615);
    b.carte.avancer_jusqua(b.ecrire("WEA 0\r") + 0.01);
    EXPECT_EQ(b.recu, "2\r");
}
