// The ring of bits where a recording's samples wait for the line.
#include "memoire.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A value kept on `bits` bits comes back at the middle of its step.
int rendu(int valeur, int bits)
{
    const int perdus = 6 - bits;
    return (valeur >> perdus << perdus) | (perdus ? 1 << (perdus - 1) : 0);
}

} // namespace

// At every resolution: every value of 0 to 63, the ring filled to its last sample, emptied and
// wrapped around several times with writes and reads at different paces.
TEST(MemoireCarte, ChaqueValeurRevientAChaqueResolution)
{
    constexpr std::uint16_t taille = 37; // odd: samples straddle bytes and the end of the ring
    for (std::uint8_t bits = 1; bits <= 6; ++bits) {
        std::vector<std::uint8_t> octets(taille + 1, 0xA5);
        memoire m;
        memoire_vider(&m, octets.data(), taille, bits);
        ASSERT_EQ(m.capacite, taille * 8 / bits);
        int ecrit = 0;
        int lu = 0;
        std::uint8_t valeur = 0;
        for (int tour = 0; tour < 5 * m.capacite; ++tour) {
            const int a_ecrire = tour % 3 == 0 ? m.capacite : 2;
            for (int i = 0; i < a_ecrire && m.nombre < m.capacite; ++i)
                ASSERT_TRUE(memoire_ecrire(&m, static_cast<std::uint8_t>(ecrit++ * 7 % 64)));
            EXPECT_FALSE(m.nombre == m.capacite && memoire_ecrire(&m, 1)) << "anneau plein";
            for (int i = 0; i < 3 && memoire_lire(&m, &valeur); ++i)
                ASSERT_EQ(valeur, rendu(lu++ * 7 % 64, bits)) << int(bits) << " bits, échantillon " << lu - 1;
        }
        while (memoire_lire(&m, &valeur))
            ASSERT_EQ(valeur, rendu(lu++ * 7 % 64, bits));
        EXPECT_EQ(lu, ecrit);
        EXPECT_EQ(octets[taille], 0xA5) << "no sample spills into the byte after the ring";
    }
}
