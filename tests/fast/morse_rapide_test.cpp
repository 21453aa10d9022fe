#include "rapide/morse_rapide.h"

#include "codages/abreviations.h"
#include "synthese.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace optolink;
using synthese::sans_blancs_de_fin;

namespace {

ReceptionMorse en_direct(const std::vector<int>& echantillons, const synthese::Niveaux& n = {},
                         const Progression& progression = {})
{
    return synthese::decoder_table(echantillons, n.sombre, [&](const auto& table, int nbmesuresmax, int seuil) {
        return decoder_morse_rapide(table, nbmesuresmax, seuil, progression);
    });
}

ReceptionMorse depuis_fichier(const std::vector<int>& echantillons, const Progression& progression = {})
{
    return synthese::decoder_fichier(echantillons,
                                     [&](QIODevice& f) { return decode_fichiermorserap(f, progression); });
}

class MorseSynthetise : public testing::TestWithParam<synthese::Cas> {
protected:
    std::vector<int> enregistrer(const QString& texte) const
    {
        const synthese::Cas& c = GetParam();
        return synthese::emission_morse(texte, c.reglage()).echantillons(c.nbmesuresmax, c.niveaux);
    }
    ReceptionMorse direct(const QString& texte) const { return en_direct(enregistrer(texte), GetParam().niveaux); }
    ReceptionMorse fichier(const QString& texte) const { return depuis_fichier(enregistrer(texte)); }
};

} // namespace

TEST_P(MorseSynthetise, LeMessageEnvoyeEstRecuEnDirectEtDepuisLeFichier)
{
    for (const QString texte : {"sos", "le 42 ok", "", "Abc"}) {
        const QString attendu = texte == "Abc" ? "bc" : texte;
        const ReceptionMorse d = direct(texte);
        const ReceptionMorse f = fichier(texte);
        EXPECT_EQ(sans_blancs_de_fin(d.message), attendu) << qPrintable(texte);
        EXPECT_EQ(sans_blancs_de_fin(f.message), attendu) << qPrintable(texte);
        EXPECT_EQ(f.codemorse, d.codemorse) << qPrintable(texte);
    }
    const ReceptionMorse sos = direct("sos");
    EXPECT_EQ(sos.affichagemorse, "... (s) --- (o) ... (s) ");
    EXPECT_EQ(sos.texte1, "code morse reçu : ... (s) --- (o) ... (s) ");
    EXPECT_TRUE(sos.codemorse.startsWith("... --- ... "));
}

TEST_P(MorseSynthetise, UnMessageTypeEstDeveloppeEnDirectSeulement)
{
    const QString texte = abreviation(3).texte;
    EXPECT_EQ(direct(texte).message, abreviation(3).phrase);
    const ReceptionMorse f = fichier(texte);
    EXPECT_EQ(sans_blancs_de_fin(f.message), "e3");
    EXPECT_NE(f.message, "e3"); // the silence after it leaves blanks: the whole message is compared
}

INSTANTIATE_TEST_SUITE_P(PeriodesEtNiveaux, MorseSynthetise, testing::ValuesIn(synthese::cas_courants()),
    synthese::nom_cas);

TEST(MorseRapide, UnLongMessageRemplitDouzeMilleHuitCentsMesures)
{
    const QString texte = "le laser porte ce message de 30 s";
    const auto v = synthese::emission_morse(texte).echantillons(12800);
    EXPECT_EQ(sans_blancs_de_fin(en_direct(v).message), texte);
    EXPECT_EQ(sans_blancs_de_fin(depuis_fichier(v).message), texte);
}

namespace {
// Calibration with dots of 40 samples and dashes of 120, then the given runs.
std::vector<int> quarante_cent_vingt(const std::vector<std::pair<bool, int>>& runs)
{
    synthese::Reglage r;
    r.queue = 1;
    synthese::Signal s = synthese::signal_morse("", 40, 120, r);
    for (const auto& [lumiere, nb] : runs)
        lumiere ? s.allume(nb) : s.sombre(nb);
    return s.echantillons(6400);
}
} // namespace

// A dot within 40 % of a dot, a dash within 40 % of a dash: 24 to 56 samples, 72 to 168.
TEST(MorseRapide, FenetresDuPointEtDuTrait)
{
    for (int largeur = 20; largeur <= 175; ++largeur) {
        const auto v = quarante_cent_vingt({{true, largeur}});
        const QString symbole = en_direct(v).codemorse.trimmed();
        const QString attendu = (largeur >= 24 && largeur <= 56) ? "." : (largeur >= 72 && largeur <= 168) ? "-" : "";
        EXPECT_EQ(symbole, attendu) << largeur;
        EXPECT_EQ(depuis_fichier(v).codemorse.trimmed(), attendu) << largeur;
    }
}

// Between two elements a space at 1.5 dashes less 5 samples, a second at seven dots; after the
// calibration letter's dash of darkness, the first at the same count and the second at nine dots.
TEST(MorseRapide, UnEspaceAUnTraitEtDemiMoinsCinqPuisTousLesQuatrePoints)
{
    const auto code = [](int sombre) {
        return en_direct(quarante_cent_vingt({{true, 40}, {false, sombre}, {true, 40}})).codemorse;
    };
    EXPECT_TRUE(code(174).startsWith("..")) << qPrintable(code(174));
    EXPECT_TRUE(code(175).startsWith(". ."));
    EXPECT_TRUE(code(279).startsWith(". ."));
    EXPECT_TRUE(code(280).startsWith(".  ."));
    const auto apres_etalonnage = [](int sombre) {
        return en_direct(quarante_cent_vingt({{false, sombre}, {true, 40}})).codemorse;
    };
    EXPECT_TRUE(apres_etalonnage(54).startsWith("."));
    EXPECT_TRUE(apres_etalonnage(55).startsWith(" ."));
    EXPECT_TRUE(apres_etalonnage(239).startsWith(" ."));
    EXPECT_TRUE(apres_etalonnage(240).startsWith("  ."));
}

TEST(MorseRapide, UneImpulsionIllisibleArreteLeFichierMaisPasLeDirect)
{
    const auto v = quarante_cent_vingt({{true, 40}, {false, 200}, {true, 70}, {false, 200}, {true, 40}});
    EXPECT_EQ(sans_blancs_de_fin(en_direct(v).message), "e e");
    const ReceptionMorse f = depuis_fichier(v);
    EXPECT_EQ(f.codemorse, ". ");
    EXPECT_EQ(f.message, "e");
}

TEST(MorseRapide, LeTexte1SuitLeCodeMorse)
{
    QStringList vus;
    const auto v = synthese::emission_morse("et").echantillons(6400);
    const ReceptionMorse r = en_direct(v, {}, [&](const QString& t) { vus << t; });
    ASSERT_GE(vus.size(), 4);
    EXPECT_EQ(vus[0], ".");
    EXPECT_EQ(vus[1], ". ");
    EXPECT_EQ(vus[2], ". -");
    EXPECT_EQ(vus.back(), r.codemorse);
    QStringList depuis;
    depuis_fichier(v, [&](const QString& t) { depuis << t; });
    EXPECT_EQ(depuis, vus);
}

TEST(MorseRapide, AucuneLectureHorsDeLaTable)
{
    // Stale light everywhere, a threshold below the dark level, nothing recorded: all end.
    std::vector<Mesure> lumiere(12802, 60);
    EXPECT_EQ(decoder_morse_rapide(lumiere, 12800, 9).message, "");
    std::vector<Mesure> vide(12802, sans_mesure);
    EXPECT_EQ(decoder_morse_rapide(vide, 12800, -5).message, "");
    EXPECT_EQ(decoder_morse_rapide(vide, 12800, 9).codemorse, "");
    EXPECT_EQ(decoder_morse_rapide(vide, 30000, 9).codemorse, "");
    std::vector<Mesure> courte(10, 60);
    EXPECT_EQ(decoder_morse_rapide(courte, 6400, 9).codemorse, "");
}

TEST(MorseRapide, NiveauDesMesuresDeLaTable)
{
    EXPECT_EQ(niveau(sans_mesure), 0);
    EXPECT_EQ(niveau(37), 37);
    EXPECT_EQ(niveau(2.5), 2);
    EXPECT_EQ(niveau(3.5), 4);
    EXPECT_EQ(niveau(1e23), 32767);
    EXPECT_EQ(seuil_brut(0.8), 10);
    EXPECT_EQ(seuil_brut(-0.1), -2);
}

TEST(MorseRapide, LeFichierNoteChaqueMesureDUneImpulsionDansLesExtremes)
{
    // A spike inside the first dash of the calibration letter: the live receiver only notes the
    // first sample of a run, the file decoder raises its level to the spike and sees no more light.
    auto v = synthese::emission_morse("sos").echantillons(6400);
    const auto debut = std::find_if(v.begin() + 1, v.end(), [](int x) { return x > 30; });
    *(debut + 10) = 200;
    EXPECT_EQ(sans_blancs_de_fin(en_direct(v).message), "sos");
    EXPECT_EQ(depuis_fichier(v).codemorse.trimmed(), ""); // all dark: spaces only
}
