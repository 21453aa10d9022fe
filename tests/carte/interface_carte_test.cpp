// The simulated board as an end of the bench, on the world's virtual time: what the computer and
// the facing photodiode see of it, with the chip running on its own time behind the world's.
#include "liaison/interface.h"
#include "carte_simulee/interface_carte.h"
#include "sim/temps_virtuel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace optolink::sim;

namespace {

constexpr double caractere_carte_s = 10 * 16 * 104 / 16e6; // the chip's UART: 9615 baud (UBRR 103)
constexpr double caractere_s = CarteSimulee::duree_caractere_s;

// A board powered up half a second into the world's time (its own time starts at 0 then), under a
// lamp lit from 2 s to 3 s of the world's time.
struct CarteAuBanc {
    TempsVirtuel temps;
    TempsVirtuel::Acteur& horloge = temps.acteur("essai");
    InterfaceCarte carte = [this] {
        horloge.attendre_jusqua(0.5);
        return InterfaceCarte(temps, "B", OPTOLINK_CARTE_ELF, [](double t) { return t >= 2 && t < 3 ? 4.06 : 0.16; });
    }();
    std::vector<std::pair<double, char>> recus;

    CarteAuBanc()
    {
        carte.surReponse([this](char c) { recus.emplace_back(temps.maintenant_s(), c); });
    }
};

} // namespace

// "WEA 0" written at each instant: the reply reads the lamp at the world's time, and its bytes
// reach the computer one character of the chip's line apart, each at its own instant rather than at
// the chip's next step.
TEST(InterfaceCarte, ReponsesAuTempsDuMonde)
{
    const std::pair<double, std::string> cas[] = {{1.0, "2\r"}, {2.0004, "51\r"}, {2.7, "51\r"}, {3.1, "2\r"}};
    CarteAuBanc b;
    for (const auto& [instant, attendu] : cas) {
        b.horloge.attendre_jusqua(instant);
        b.recus.clear();
        b.carte.envoyer("WEA 0\r");
        b.horloge.attendre_jusqua(instant + 0.05);
        std::string lu;
        for (const auto& [t, c] : b.recus)
            lu += c;
        ASSERT_EQ(lu, attendu) << "à " << instant << " s";
        EXPECT_GT(b.recus.front().first, instant + 7 * caractere_s) << "à " << instant << " s";
        for (std::size_t k = 1; k < b.recus.size(); ++k)
            // A few µs more: the transmit interrupt's way to the next character, the simulated UART
            // having no second buffer. Handed over at the chip's steps, they would be 1 or 2 ms apart.
            EXPECT_NEAR(b.recus[k].first - b.recus[k - 1].first, caractere_carte_s, 10e-6) << "à " << instant << " s";
    }
}

// A laser byte written at 1.2 s lights the laser when its last bit has reached the chip, not when
// the chip's next step comes; the facing photodiode sees the laser's past as it was.
TEST(InterfaceCarte, LaserVuParLaPhotodiodeDEnFace)
{
    CarteAuBanc b;
    b.horloge.attendre_jusqua(1.2);
    b.carte.envoyer(QByteArray(1, '\0'));
    b.horloge.attendre_jusqua(1.3);
    b.carte.envoyer(" ");
    b.horloge.attendre_jusqua(1.4);
    const std::pair<double, bool> cas[] = {
        {1.2 + caractere_s - 1e-6, false}, {1.2 + caractere_s + 50e-6, true}, {1.25, true},
        {1.3 + caractere_s - 1e-6, true},  {1.3 + caractere_s + 50e-6, false}, {1.4, false},
    };
    for (const auto& [instant, allume] : cas)
        EXPECT_EQ(b.carte.laser_allume_a(instant), allume) << "à " << instant << " s";
}

// A board from the shop, its loader in the boot section (Debian's arduino-core-avr): powered up
// long before, restarted by the opening of its port at 10 s. A program that keeps silent for
// silence_ouverture_s, reading the greeting meanwhile, then writes its set-up and asks for EA0 every
// 30 ms is answered from its first request; one that writes at once keeps the board in its loader as long as it asks.
TEST(InterfaceCarte, CarteDuMagasinApresLOuvertureDuPort)
{
    const std::string chargeur = OPTOLINK_CHARGEUR_MEGA;
    if (!std::ifstream(chargeur))
        GTEST_FAIL() << "chargeur absent : " << chargeur << " (paquet arduino-core-avr, tools/installer.sh)";
    for (const double silence_s : {optolink::silence_ouverture_s, 0.0}) {
        TempsVirtuel temps;
        TempsVirtuel::Acteur& horloge = temps.acteur("essai");
        InterfaceCarte carte(temps, "B", OPTOLINK_CARTE_ELF, [](double) { return 0.16; }, chargeur);
        std::string recu;
        carte.surReponse([&](char c) { recu += c; });
        horloge.attendre_jusqua(10);
        ASSERT_GT(carte.carte().micrologiciel_lance_a_s(), 0) << "le chargeur a passé la main à la mise sous tension";
        carte.ouverture_du_port();
        recu.clear();
        horloge.attendre_jusqua(10 + silence_s);
        // The firmware's greeting has come within the silence, ready for the program to read.
        const std::string accueil = std::exchange(recu, {});
        EXPECT_EQ(accueil, silence_s > 0 ? "OPTOLINK CARTE 1\r" : "");
        carte.envoyer("WFORMAT 1WASCWBAUDS 0 \r");
        for (int tic = 1; tic <= 100; ++tic) {
            horloge.attendre_jusqua(10 + silence_s + tic * 0.03);
            carte.envoyer("WEA 0\r");
        }
        horloge.attendre_jusqua(10 + silence_s + 3.05);
        if (silence_s > 0) {
            EXPECT_NEAR(carte.carte().micrologiciel_lance_a_s(), 10.83, 0.1) << "0,83 s après la remise à zéro";
            EXPECT_EQ(recu, [] {
                std::string r;
                for (int i = 0; i < 100; ++i)
                    r += "2\r";
                return r;
            }());
        } else {
            EXPECT_LT(carte.carte().micrologiciel_lance_a_s(), 0) << "toujours dans le chargeur";
            EXPECT_EQ(recu.find("2\r"), std::string::npos) << recu;
        }
    }
}
