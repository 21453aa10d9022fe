#include "rapide/decoupeur_mesures.h"

#include <gtest/gtest.h>

using namespace optolink;

// The same samples whether the stream comes whole or cut in two at any byte.
TEST(DecoupeurMesures, LesMemesEchantillonsQuelQueSoitLaCoupure)
{
    const struct {
        QByteArray flux;
        std::vector<Mesure> mesures;
        QString en_cours;
    } cas[] = {
        {"12,7,,130,9,", {12, 7, 9}, ""},
        {"-1,-12,.5,-.,5a,\xff,255,4", {-1, 0.5, 0, 5, 0}, "4"},
    };
    for (const auto& c : cas)
        for (qsizetype coupure = 0; coupure <= c.flux.size(); ++coupure) {
            DecoupeurMesures d;
            std::vector<Mesure> mesures = d.octets(c.flux.first(coupure));
            const std::vector<Mesure> fin = d.octets(c.flux.sliced(coupure));
            mesures.insert(mesures.end(), fin.begin(), fin.end());
            EXPECT_EQ(mesures, c.mesures) << c.flux.constData() << " coupé à " << coupure;
            EXPECT_EQ(d.en_cours(), c.en_cours);
        }
}
