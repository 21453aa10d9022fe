#include "postes_virtuels/postes_simules.h"

#include "rapide/emetteur_binaire_rapide.h"
#include "programme/menus.h"
#include "rapide/emetteur_morse_rapide.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace optolink;
using namespace optolink::essai;

namespace {

// A sender alone on the bench, on a clock whose every reading takes pas_lecture_s: the
// calibration loop counts 1 / pas_lecture_s passes in its second.
struct Emetteur : StationVirtuelle<> {
    explicit Emetteur(double pas_lecture_s) : StationVirtuelle({.pas_lecture_s = pas_lecture_s}) {}

    // Lengths of the light and dark periods after the start mark and its gap.
    std::vector<double> envoyer(const Routine& envoi, const QString& texte)
    {
        EXPECT_TRUE(executer(
            [&] {
                demarrer(poste, optolink::Codage::morse_rapide, 1, 30);
                poste.fenetre.Texte1.Text = texte;
                envoi(poste);
            },
            100));
        std::vector<double> durees = durees_laser(banc.interface(0));
        return {durees.begin() + 2, durees.end()};
    }
};

void verifier(const std::vector<double>& vues, const std::vector<double>& attendues)
{
    ASSERT_EQ(vues.size(), attendues.size());
    for (std::size_t i = 0; i < vues.size(); ++i)
        EXPECT_NEAR(vues[i], attendues[i], 0.003) << "période " << i;
}

} // namespace

TEST(EmetteursRapides, LeMorseDureSesCinquanteEtCentCinquanteMillisecondes)
{
    Emetteur a(20e-6);
    // c and its dash-long gap, then the dot of "e"; the darkness after it lasts to the end.
    const auto durees = a.envoyer(Btonenvoi_morserapide_Click, "e");
    verifier(durees, {0.15, 0.05, 0.05, 0.05, 0.15, 0.05, 0.05, 0.15, 0.05});
    EXPECT_NEAR(a.poste.etat.nbpassages, 50000, 1);
    EXPECT_FALSE(a.banc.interface(0).laser_allume());
}

TEST(EmetteursRapides, UneMachineTropLenteGardeDixEtTrentePassages)
{
    // About 100 passes a second: nbpoint would be 5, it is 10 passes of 10 ms, the dash 30.
    Emetteur a(0.01);
    const auto durees = a.envoyer(Btonenvoi_morserapide_Click, "e");
    const double passe_s = 1.0 / a.poste.etat.nbpassages;
    verifier({durees.begin(), durees.begin() + 3}, {30 * passe_s, 10 * passe_s, 10 * passe_s});
    EXPECT_NEAR(a.poste.etat.nbpassages, 100, 1);
}

TEST(EmetteursRapides, LeBinaireDureSesSoixanteDixMillisecondesParBit)
{
    Emetteur a(20e-6);
    // Three one-bit pulses, a two-bit pause, then "A" (101000001); its pause and the space after
    // it are darkness to the end.
    const auto durees = a.envoyer(Btonenvoi_binrap_Click, "A");
    verifier(durees, {0.07, 0.07, 0.07, 0.07, 0.07, 0.14, 0.07, 0.07, 0.07, 0.35, 0.07});
    EXPECT_EQ(a.poste.etat.chainebits, "101000001 ");
}

TEST(EmetteursRapides, UneMachineTropLenteGardeDixVingtEtVingtCinqPassages)
{
    // About 100 passes a second: comptebit would be 7; the bit is 10 passes, the pause 20 and each
    // space 25.
    Emetteur a(0.01);
    const auto durees = a.envoyer(Btonenvoi_binrap_Click, "  A");
    const double bit_s = 10.0 / a.poste.etat.nbpassages;
    verifier({durees.begin(), durees.begin() + 6}, {bit_s, bit_s, bit_s, bit_s, bit_s, 7 * bit_s});
}

// The silence after the message lasts until nbmesuresmax × periodemesure + 2 s after the send
// began, read again at every pass: "30 s" chosen during it holds the sender, and its progress
// bar, until the longer recording is over.
TEST(EmetteursRapides, LeSilenceFinalSuitUnChangementDeLongueur)
{
    const std::pair<Routine, Menu> cas[] = {{Btonenvoi_morserapide_Click, Menu::menu_morserap_34s},
                                            {Btonenvoi_binrap_Click, Menu::menu_binairerapide_33s}};
    for (const auto& [envoi, trente_secondes] : cas) {
        Emetteur a(20e-6);
        double debut = 0, fin = 0;
        QString avancement;
        a.envoyer(
            [&](Poste& p) {
                debut = a.acteur.instant_s();
                a.acteur.programmer(debut + 6, [&] { menu_Click(p, trente_secondes); });
                a.acteur.programmer(debut + 8, [&] { avancement = p.fenetre.avancement.Texte; });
                envoi(p);
                fin = a.acteur.instant_s();
            },
            "e");
        // The calibration second, then the silence up to 12800 × 1.3 ms + 2 s.
        const double fin_silence = debut + 1 + 12800 * 0.0013 + 2;
        EXPECT_GT(fin, fin_silence);
        EXPECT_LT(fin, fin_silence + 0.6);
        // Shown twice a second: at most half a second behind.
        const QString prefixe = QStringLiteral("Enregistrement en cours chez le récepteur : encore ");
        ASSERT_TRUE(avancement.startsWith(prefixe)) << qPrintable(avancement);
        const int reste = avancement.sliced(prefixe.size()).chopped(2).toInt();
        EXPECT_GE(reste, std::ceil(fin_silence - (debut + 8)));
        EXPECT_LE(reste, std::ceil(fin_silence - (debut + 7.5)));
    }
}
