#include "postes_simules.h"

#include "codings/abreviations.h"
#include "fast/acquisition.h"

#include "synthese.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {

// Both stations set as the speed and duration menus leave them.
struct Reglages {
    double dureebit = 1;
    std::int16_t modevitesse = 0;
    double periodemesure = 0.0013;
    std::int16_t nbmesuresmax = 6400;
};

void regler(Poste& poste, const Reglages& r)
{
    poste.etat.modevitesse = r.modevitesse;
    poste.etat.periodemesure = r.periodemesure;
    poste.etat.nbmesuresmax = r.nbmesuresmax;
}

struct Resultat {
    bool complet;
    QString texte1, texte2, message, chainebits, textebits;
};

Resultat echanger(const Codage& codage, const QString& texte, const Reglages& r = {})
{
    DeuxPostes postes;
    regler(postes.posteA, r);
    regler(postes.posteB, r);
    const auto echange = postes.echanger(codage, texte, r.dureebit, 30);
    const Etat& b = postes.posteB.etat;
    return {echange.complet, postes.posteB.fenetre.Texte1.Text, postes.posteB.fenetre.Texte2.Text, b.message,
            b.chainebits, b.textebits};
}

} // namespace

TEST(EchangeMorseRapide, Sos)
{
    const Resultat r = echanger(morse_rapide(), "sos");
    ASSERT_TRUE(r.complet);
    EXPECT_EQ(r.texte1, "code morse reçu : ... (s) --- (o) ... (s) ");
    EXPECT_EQ(synthese::sans_blancs_de_fin(r.texte2), "sos");
}

TEST(EchangeBinaireRapide, Ete)
{
    const Resultat r = echanger(binaire_rapide(), "Été 25 €");
    ASSERT_TRUE(r.complet);
    EXPECT_EQ(synthese::sans_blancs_de_fin(r.texte2), "Été 25 €");
}
