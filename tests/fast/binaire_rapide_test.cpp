#include "rapide/binaire_rapide.h"

#include "codages/abreviations.h"
#include "synthese.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

using namespace optolink;
using synthese::sans_blancs_de_fin;

namespace {

ReceptionBinaire en_direct(const std::vector<int>& echantillons, const synthese::Niveaux& n = {},
                           const Progression& progression = {})
{
    return synthese::decoder_table(echantillons, n.sombre, [&](const auto& table, int nbmesuresmax, int seuil) {
        return decoder_binaire_rapide(table, nbmesuresmax, seuil, progression);
    });
}

ReceptionBinaire depuis_fichier(const std::vector<int>& echantillons)
{
    return synthese::decoder_fichier(echantillons, [](QIODevice& f) { return decode_fichierbinrap(f); });
}

class BinaireSynthetise : public testing::TestWithParam<synthese::Cas> {
protected:
    std::vector<int> enregistrer(const QString& texte) const
    {
        const synthese::Cas& c = GetParam();
        return synthese::emission_binaire(texte, c.reglage()).echantillons(c.nbmesuresmax, c.niveaux);
    }
};

// A one-bit width of 40 samples, as read by the receiver.
std::vector<int> bits_de_quarante(const QString& chainebits, int nbmesuresmax = 6400)
{
    return synthese::signal_binaire(chainebits, 40).echantillons(nbmesuresmax);
}

} // namespace

TEST_P(BinaireSynthetise, LeMessageEnvoyeEstRecuEnDirectEtDepuisLeFichier)
{
    for (const QString texte : {"Ça, été!", "A b", "@ ?", ""}) {
        const auto v = enregistrer(texte);
        const ReceptionBinaire d = en_direct(v, GetParam().niveaux);
        const ReceptionBinaire f = depuis_fichier(v);
        EXPECT_EQ(sans_blancs_de_fin(d.message), texte) << qPrintable(texte);
        EXPECT_EQ(sans_blancs_de_fin(f.message), texte) << qPrintable(texte);
        EXPECT_EQ(f.chainebits, d.chainebits) << qPrintable(texte);
        EXPECT_TRUE(d.chainebits.startsWith(synthese::trames(texte))) << qPrintable(texte);
        EXPECT_EQ(d.texte1, d.textebits);
    }
}

TEST_P(BinaireSynthetise, UnMessageTypeEstDeveloppeEnDirectSeulement)
{
    const auto v = enregistrer(abreviation(2).texte);
    EXPECT_EQ(en_direct(v, GetParam().niveaux).message, abreviation(2).phrase);
    EXPECT_EQ(sans_blancs_de_fin(depuis_fichier(v).message), "e2");
}

INSTANTIATE_TEST_SUITE_P(PeriodesEtNiveaux, BinaireSynthetise, testing::ValuesIn(synthese::cas_courants()),
    synthese::nom_cas);

TEST(BinaireRapide, UnLongMessageRemplitDouzeMilleHuitCentsMesures)
{
    const QString texte = "Accentué : à bientôt !";
    const auto v = synthese::emission_binaire(texte).echantillons(12800);
    EXPECT_EQ(sans_blancs_de_fin(en_direct(v).message), texte);
    EXPECT_EQ(sans_blancs_de_fin(depuis_fichier(v).message), texte);
}

TEST(BinaireRapide, TroisUnsEnTeteDeTrame)
{
    // "Ê" is 11001010: the start bit and the first two code bits make one light run of three bits.
    const ReceptionBinaire r = en_direct(bits_de_quarante("111001010  "));
    EXPECT_TRUE(r.chainebits.startsWith("111001010"));
    EXPECT_TRUE(r.textebits.startsWith("111001010 (Ê) "));
    EXPECT_TRUE(r.message.startsWith("Ê"));
}

TEST(BinaireRapide, LaPauseEntreTramesNeDonnePasDEspace)
{
    const ReceptionBinaire sans = en_direct(bits_de_quarante(synthese::trames("AB ")));
    EXPECT_TRUE(sans.chainebits.startsWith("101000001101000010 ")) << qPrintable(sans.chainebits);
    EXPECT_TRUE(sans.textebits.startsWith("101000001 (A) 101000010 (B)  ( ) "));
    const ReceptionBinaire avec = en_direct(bits_de_quarante(synthese::trames("A B ")));
    EXPECT_TRUE(avec.chainebits.startsWith("101000001 101000010 "));
    EXPECT_TRUE(avec.message.startsWith("A B"));
}

TEST(BinaireRapide, UneTrameFinissantParDesZerosSeTermineDansLaPause)
{
    // "@" is 01000000: six zeros then the two-bit pause, read as one dark run.
    const ReceptionBinaire r = en_direct(bits_de_quarante(synthese::trames("@A ")));
    EXPECT_TRUE(r.chainebits.startsWith("101000000101000001 "));
    EXPECT_TRUE(r.message.startsWith("@A"));
}

TEST(BinaireRapide, LeSilenceFinalDonneDesEspaces)
{
    // After the last frame, 4 × 40 − 4 dark samples make each space; the message keeps all but one.
    const auto v = bits_de_quarante(synthese::trames("A "), 2000);
    const ReceptionBinaire r = en_direct(v);
    const auto nbespaces = r.chainebits.count(u' ');
    EXPECT_GT(nbespaces, 1);
    EXPECT_EQ(r.message, "A" + QString(nbespaces - 1, u' '));
}

// A run is its nearest whole number of bits within 40 % of a bit, 16 samples of a 40-sample bit,
// however the bits before it fell: the start bit of "A" (101000001) and its five zeros, 15
// samples long or short, still read; 17, not.
TEST(BinaireRapide, UneSuiteVautSesBitsAQuaranteCentiemesDeBitPres)
{
    for (const bool lumiere : {true, false}) {
        for (const int ecart : {-17, -15, 15, 17}) {
            synthese::Signal s;
            s.allume(1).sombre(300).allume(40).sombre(40).allume(40).sombre(40).allume(40).sombre(80);
            s.allume(40 + (lumiere ? ecart : 0)).sombre(40).allume(40);
            s.sombre(200 + (lumiere ? 0 : ecart)).allume(40).sombre(80);
            EXPECT_EQ(en_direct(s.echantillons(2000)).chainebits.startsWith("101000001"), std::abs(ecart) < 16)
                << (lumiere ? "lumière " : "obscurité ") << ecart;
        }
    }
}

TEST(BinaireRapide, ReconstructionDuMessage)
{
    EXPECT_EQ(reconstruire_message("101000001 101000010 "), "A B");
    EXPECT_EQ(reconstruire_message("101000001"), "A");
    EXPECT_EQ(reconstruire_message("1010"), "@");     // missing bits count as zeros
    EXPECT_EQ(reconstruire_message("0 "), "");        // a zero where a start bit should be is skipped
    EXPECT_EQ(reconstruire_message("110000000 "), QString(QChar(0x20AC))); // 0x80 is the euro sign
    EXPECT_EQ(reconstruire_message(""), "");
}

TEST(BinaireRapide, AbreviationsDuDirectEtDuFichier)
{
    const auto v = bits_de_quarante(synthese::trames("e2 x "));
    EXPECT_EQ(en_direct(v).message, abreviation(2).phrase); // "e2 " at the head is enough live
    EXPECT_TRUE(depuis_fichier(v).message.startsWith("e2 x"));
    // Cut the recording so that the silence after "e2" gives exactly two spaces: the message is "e2 ".
    auto court = bits_de_quarante(synthese::trames("e2 "));
    const auto dernier = std::find_if(court.rbegin(), court.rend(), [](int x) { return x > 30; });
    court.resize(static_cast<std::size_t>(court.rend() - dernier) + 440);
    EXPECT_EQ(depuis_fichier(court).message, abreviation(2).phrase);
    EXPECT_EQ(en_direct(court).chainebits.count(u' '), 2);
}

TEST(BinaireRapide, PreambuleSansIntervalleSombre)
{
    // The first pulse ends on a sample at the threshold: the gap measures 0 samples.
    auto v = bits_de_quarante(synthese::trames("A "));
    const int seuil = synthese::seuil_de_niveau_sombre(3) + 7;
    const auto debut = std::find_if(v.begin() + 1, v.end(), [&](int x) { return x > seuil; });
    const auto fin = std::find_if(debut, v.end(), [&](int x) { return x <= seuil; });
    *fin = seuil;
    std::fill(fin + 1, fin + 40, 60); // the second pulse follows at once
    const ReceptionBinaire r = en_direct(v);
    EXPECT_LE(r.chainebits.size(), 6401);
}

TEST(BinaireRapide, AucuneLectureHorsDeLaTable)
{
    std::vector<Mesure> lumiere(12802, 60);
    EXPECT_EQ(decoder_binaire_rapide(lumiere, 12800, 9).message, "");
    std::vector<Mesure> vide(12802, sans_mesure);
    EXPECT_EQ(decoder_binaire_rapide(vide, 12800, -20).message, "");
    EXPECT_EQ(decoder_binaire_rapide(vide, 30000, 9).chainebits, "");
    std::vector<Mesure> alterne(12802);
    for (std::size_t i = 0; i < alterne.size(); ++i)
        alterne[i] = (i / 3) % 2 ? 60 : 1;
    decoder_binaire_rapide(alterne, 12800, 9);
}

TEST(BinaireRapide, UneMesureAuSeuilPrologeLImpulsionDuFichierEtArreteCelleDuDirect)
{
    // Dark level exactly 3: both decoders start from the level 10, and the first preamble pulse
    // holds one sample of 10. The live receiver ends the pulse there; the two halves are not one
    // bit each, and it finds the preamble one pulse further, as the file decoder does.
    auto v = synthese::signal_binaire(synthese::trames("A "), 40).echantillons(6400, {3, 60, 0});
    const auto debut = std::find_if(v.begin() + 1, v.end(), [](int x) { return x > 30; });
    *(debut + 20) = 10;
    const auto table = synthese::tabmesures(v);
    Lecture lecture;
    EXPECT_EQ(sans_blancs_de_fin(decoder_binaire_rapide(table, 6400, 3, {}, &lecture).message), "A");
    ASSERT_FALSE(lecture.calibration.empty());
    EXPECT_EQ(lecture.calibration.front().debut, debut - v.begin() + 21);
    EXPECT_EQ(sans_blancs_de_fin(depuis_fichier(v).message), "A");
}
