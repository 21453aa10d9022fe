// The firmware itself, run by the simulated ATmega2560: what the program sees of it on the line.
#include "carte_en_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
};

} // namespace

// The program's six recordings: each level put before the chip half a period either side of a
// sampling instant comes back in its place, at the resolution the length and the period allow.
TEST(CarteSimulee, EnregistrementEchantillonParEchantillon)
{
    const Enregistrement enregistrements[] = {
        {6400, 1300, 6}, {6400, 800, 6}, {6400, 500, 6}, {12800, 1300, 6}, {12800, 800, 6}, {12800, 500, 5},
    };
    for (const Enregistrement& e : enregistrements) {
        CarteEnTest b;
        const double periode_s = e.periode_us * 1e-6;
        b.ecrire("WPE 1  " + std::to_string(e.nombre) + " " + std::to_string(e.periode_us) + " 1 0\r");
        double depart_s = 1e9;
        b.tension_v = [&](double t) { return tension_de(niveau(std::lround(std::max(0.0, t - depart_s) / periode_s))); };
        b.carte.envoyer("WGOR\r");
        depart_s = b.carte.envois_arrives_a_s();
        const std::vector<int> valeurs = b.telecharger(e.nombre, depart_s + e.nombre * 0.0032 + 1);
        ASSERT_EQ(std::ssize(valeurs), e.nombre) << e.nombre << " à " << e.periode_us << " µs";
        for (int k = 0; k < e.nombre; ++k)
            ASSERT_EQ(valeurs[k], rendu(niveau(k), e.bits)) << e.nombre << " à " << e.periode_us << " µs, échantillon " << k;
        EXPECT_EQ(b.recu, "");
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
