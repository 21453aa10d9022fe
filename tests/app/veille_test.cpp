// A station waiting for light, in virtual time: how often it wakes.

#include "postes_virtuels/postes_simules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

using namespace optolink;
using namespace optolink::essai;

namespace {

struct CodageEnVeille {
    const char* nom;
    essai::Codage (*codage)();
};

void PrintTo(const CodageEnVeille& c, std::ostream* os) { *os << c.nom; }

struct Veille : ::testing::TestWithParam<CodageEnVeille> {};

} // namespace

// Each tick's reply comes back a character a millisecond and is read at the next tick: the
// station wakes for its ticks only, not for each character, which would make three times as many.
TEST_P(Veille, UnPosteQuiAttendLaLumiereNeSeReveilleQuASesTics)
{
    const essai::Codage codage = GetParam().codage();
    DeuxPostes postes;
    sim::TempsVirtuel::Acteur& b = postes.acteurB;
    constexpr double debut_s = 2, fin_s = 5;
    std::uint64_t cessions_au_debut = 0, cessions = 0;
    postes.temps.programmer(debut_s, [&] { cessions_au_debut = b.cessions(); });
    postes.temps.programmer(fin_s, [&] { cessions = b.cessions() - cessions_au_debut; });
    ASSERT_TRUE(postes.temps.executer({{&b, [&] {
                                            demarrer(postes.posteB, codage.typecodage, 1, codage.intervalle_ms);
                                            b.programmer(fin_s + 0.1, [&] { postes.posteB.etat.typecodage.reset(); });
                                            codage.attendre(postes.posteB);
                                        }}},
                                      fin_s + 10));
    const double tics = (fin_s - debut_s) * 1000 / codage.intervalle_ms;
    EXPECT_GE(static_cast<double>(cessions), tics - 1);
    EXPECT_LE(static_cast<double>(cessions), tics + 2);
}

INSTANTIATE_TEST_SUITE_P(QuatreCodages, Veille,
                         ::testing::Values(CodageEnVeille{"MorseLent", morse_lent}, CodageEnVeille{"BinaireLent", binaire_lent},
                                           CodageEnVeille{"MorseRapide", morse_rapide},
                                           CodageEnVeille{"BinaireRapide", binaire_rapide}),
                         [](const auto& cas) { return std::string(cas.param.nom); });
