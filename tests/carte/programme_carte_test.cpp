// The recordings the firmware accepts, their timer settings and the resolution kept.
#include "programme.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    std::uint32_t nombre;
    std::uint32_t periode_us;
    int bits;            // 0: refused
    int horloge;         // timer clock select: 2 for 16 MHz / 8, 3 for / 64 ...
    int comparaison;
};

} // namespace

TEST(ProgrammeCarte, ResolutionEtMinuterie)
{
    const Cas cas[] = {
        // The program's six recordings.
        {6400, 1300, 6, 2, 2599},
        {6400, 800, 6, 2, 1599},
        {6400, 500, 6, 2, 999},
        {12800, 1300, 6, 2, 2599},
        {12800, 800, 6, 2, 1599},
        {12800, 500, 5, 2, 999},
        // Longer or faster ones keep fewer bits, down to one.
        {12800, 200, 4, 2, 399},
        {20000, 500, 3, 2, 999},
        {30000, 200, 2, 2, 399},
        {40000, 400, 1, 2, 799},
        {65535, 300, 0, 0, 0},
        // The timer's clock: the finest that counts the period in 16 bits, at the nearest step.
        {100, 32768, 6, 2, 65535},
        {100, 32769, 6, 3, 8191},
        {100, 262144, 6, 3, 65535},
        {100, 262200, 6, 4, 16387},
        {65535, 4000000, 6, 5, 62499},
        // Out of range.
        {1, 200, 6, 2, 399},
        {0, 500, 0, 0, 0},
        {65536, 1300, 0, 0, 0},
        {100, 199, 0, 0, 0},
        {100, 4000001, 0, 0, 0},
    };
    for (const Cas& c : cas) {
        programme p{};
        const int accepte = programme_preparer(c.nombre, c.periode_us, US_PAR_ECHANTILLON_9600, &p);
        EXPECT_EQ(accepte, c.bits != 0) << c.nombre << " à " << c.periode_us << " µs";
        if (!accepte)
            continue;
        EXPECT_EQ(p.nombre, c.nombre);
        EXPECT_EQ(p.bits, c.bits) << c.nombre << " à " << c.periode_us << " µs";
        EXPECT_EQ(p.horloge, c.horloge) << c.periode_us << " µs";
        EXPECT_EQ(p.comparaison, c.comparaison) << c.periode_us << " µs";
    }
}

// The samples that can wait: all but those the line has surely carried before the last is taken.
TEST(ProgrammeCarte, EchantillonsEnAttente)
{
    constexpr auto lent = US_PAR_ECHANTILLON_9600;
    EXPECT_EQ(echantillons_en_attente_max(12800, 500, lent), 12800u - 12799u * 500 / lent + 1 + RETARD_AU_DEPART);
    EXPECT_EQ(echantillons_en_attente_max(12800, lent, lent), 4u);
    EXPECT_EQ(echantillons_en_attente_max(12800, 4000000, lent), 4u);
    EXPECT_EQ(echantillons_en_attente_max(1, 200, lent), 4u);
    // At 500 000 baud the line carries a sample faster than the chip takes the next one.
    EXPECT_EQ(echantillons_en_attente_max(12800, 200, US_PAR_ECHANTILLON_RAPIDE), 4u);
}

// Readings answered while samples are taken: each takes one sample's time from the line, and the
// ring has room for exactly that many more samples waiting. 12800 at 800 µs has room for 29: the
// program's timer, every 30 ms of 10.24 s, asks 341 times.
TEST(ProgrammeCarte, ReponsesPendantUnEnregistrement)
{
    constexpr std::uint16_t lent = US_PAR_ECHANTILLON_9600;
    constexpr std::uint16_t rapide = US_PAR_ECHANTILLON_RAPIDE;
    const struct {
        std::uint32_t nombre, periode_us;
        std::uint16_t us_par_echantillon;
        std::uint32_t reponses;
    } cas[] = {
        {12800, 800, lent, 29},
        {12800, 500, lent, 712},
        {6400, 500, lent, 4177},
        {12800, 1300, lent, 2076},
        {100, 4000000, lent, 9553},
        // 500 000 baud: the whole ring but the four samples on their way, 7168 × 8 / 6 − 4.
        {12800, 500, rapide, 9553},
        {12800, 200, rapide, 9553},
    };
    for (const auto& c : cas) {
        programme p{};
        ASSERT_TRUE(programme_preparer(c.nombre, c.periode_us, c.us_par_echantillon, &p));
        EXPECT_EQ(p.reponses, c.reponses) << c.nombre << " à " << c.periode_us << " µs";
    }
}
