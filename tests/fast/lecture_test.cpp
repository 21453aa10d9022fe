#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"
#include "rapide/trace_reception.h"

#include "synthese.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace optolink;

namespace {

// One decoding of a recording, its result and the reading the decoder gave with it.
struct Lu {
    QString code;
    QString message;
    Lecture lecture;
};

Lu decoder(const std::vector<int>& v, CodageRapide codage, bool fichier, int sombre, Lecture* lecture)
{
    if (fichier) {
        return synthese::decoder_fichier(v, [&](QIODevice& f) {
            if (codage == CodageRapide::morse) {
                const ReceptionMorse m = decode_fichiermorserap(f, {}, lecture);
                return Lu{m.codemorse, m.message, {}};
            }
            const ReceptionBinaire b = decode_fichierbinrap(f, {}, lecture);
            return Lu{b.chainebits, b.message, {}};
        });
    }
    return synthese::decoder_table(v, sombre, [&](const auto& table, int nbmesuresmax, int seuil) {
        if (codage == CodageRapide::morse) {
            const ReceptionMorse m = decoder_morse_rapide(table, nbmesuresmax, seuil, {}, lecture);
            return Lu{m.codemorse, m.message, {}};
        }
        const ReceptionBinaire b = decoder_binaire_rapide(table, nbmesuresmax, seuil, {}, lecture);
        return Lu{b.chainebits, b.message, {}};
    });
}

// Decodes with and without the reading: both must give the same result.
Lu lire(const std::vector<int>& v, CodageRapide codage, bool fichier, int sombre)
{
    const Lu sans = decoder(v, codage, fichier, sombre, nullptr);
    Lecture lecture;
    Lu avec = decoder(v, codage, fichier, sombre, &lecture);
    EXPECT_EQ(avec.code, sans.code);
    EXPECT_EQ(avec.message, sans.message);
    avec.lecture = std::move(lecture);
    return avec;
}

int largeur(const Lecture& l, const char* nom)
{
    for (const LargeurLue& w : l.largeurs)
        if (w.nom == QLatin1String(nom))
            return w.echantillons;
    ADD_FAILURE() << "pas de largeur " << nom;
    return -1;
}

// The runs follow one another sample after sample, each symbol of the code comes from exactly
// one of them, and the characters sit on them in the order of the message.
void verifier_coherence(const Lu& r, int nbechantillons)
{
    const Lecture& l = r.lecture;
    QString code;
    for (std::size_t i = 0; i < l.paliers.size(); ++i) {
        const PalierLu& p = l.paliers[i];
        EXPECT_EQ(p.position, code.size());
        code += p.lu;
        if (i > 0) {
            EXPECT_EQ(p.debut, l.paliers[i - 1].debut + l.paliers[i - 1].longueur) << "palier " << i;
        }
        EXPECT_LE(p.debut + p.longueur, nbechantillons + 1);
    }
    EXPECT_EQ(code, r.code);
    QString message;
    int debut = -1;
    for (const CaractereLu& c : l.caracteres) {
        message += c.texte;
        EXPECT_LE(c.debut, c.fin);
        EXPECT_GE(c.debut, debut); // the blanks of one long silence share its run
        debut = c.debut;
    }
    EXPECT_EQ(message, r.message);
}

class LectureSynthetisee : public testing::TestWithParam<synthese::Cas> {
protected:
    const synthese::Cas& c = GetParam();
    synthese::Reglage reglage = c.reglage();
};

} // namespace

TEST_P(LectureSynthetisee, MorseLesPaliersDonnentLeCodeEtLesLargeursCellesDuDecodeur)
{
    const int point = reglage.echantillons(0.045 * c.dureebit);
    const int trait = 3 * point;
    const QString codemorse = "-... --- -. .--- --- ..- .-.  .-.. .- ";
    const auto v = synthese::signal_morse(codemorse, point, trait, reglage).echantillons(c.nbmesuresmax, c.niveaux);
    for (const bool fichier : {false, true}) {
        const Lu r = lire(v, CodageRapide::morse, fichier, c.niveaux.sombre);
        EXPECT_TRUE(r.message.startsWith("bonjour la")) << qPrintable(r.message);
        verifier_coherence(r, c.nbmesuresmax);
        EXPECT_EQ(largeur(r.lecture, "largeurpoint"), point);
        EXPECT_EQ(largeur(r.lecture, "largeurtrait"), trait);
        ASSERT_EQ(r.lecture.calibration.size(), 4u);
        EXPECT_EQ(r.lecture.calibration[1].longueur, point);
        EXPECT_NEAR(r.lecture.seuil, (c.niveaux.sombre + c.niveaux.allume) / 2, c.niveaux.bruit);
        EXPECT_EQ(r.lecture.caracteres.front().texte, "b");
        EXPECT_EQ(r.lecture.caracteres.front().debut, r.lecture.paliers.front().debut + r.lecture.paliers.front().longueur);
    }
}

TEST_P(LectureSynthetisee, BinaireLesPaliersDonnentLesBitsEtLesLargeursCellesDuDecodeur)
{
    const int bit = reglage.echantillons(0.065 * c.dureebit);
    const auto v = synthese::emission_binaire("Été 25 €", reglage).echantillons(c.nbmesuresmax, c.niveaux);
    for (const bool fichier : {false, true}) {
        const Lu r = lire(v, CodageRapide::binaire, fichier, c.niveaux.sombre);
        EXPECT_EQ(synthese::sans_blancs_de_fin(r.message), "Été 25 €");
        verifier_coherence(r, c.nbmesuresmax);
        // The widths are the extremes of the preamble's runs, light and dark.
        int haut[2] = {10000, 0};
        int bas[2] = {10000, 0};
        for (const PalierLu& p : r.lecture.calibration) {
            int* w = p.lumiere ? haut : bas;
            w[0] = std::min(w[0], p.longueur);
            w[1] = std::max(w[1], p.longueur);
            EXPECT_NEAR(p.longueur, bit, 1);
        }
        EXPECT_EQ(largeur(r.lecture, "dureehautmin"), haut[0]);
        EXPECT_EQ(largeur(r.lecture, "dureehautmax"), haut[1]);
        EXPECT_EQ(largeur(r.lecture, "dureebasmin"), bas[0]);
        EXPECT_EQ(largeur(r.lecture, "dureebasmax"), bas[1]);
        ASSERT_GE(r.lecture.caracteres.size(), 8u);
        EXPECT_EQ(r.lecture.caracteres[0].texte, "É");
        EXPECT_EQ(r.lecture.caracteres[7].texte, "€");
    }
}

INSTANTIATE_TEST_SUITE_P(PeriodesEtNiveaux, LectureSynthetisee, testing::ValuesIn(synthese::cas_courants()),
    synthese::nom_cas);

// A flash of ten samples (longer than a glitch) in the middle of a word gap: the live receiver reads
// it as nothing and goes on, the file decoder stops on it, and the reading says which run did it.
TEST(Lecture, UnEclairIsoleEstLuPourRienEnDirectEtArreteLeFichier)
{
    auto v = synthese::signal_morse("... --- ...  . ", 40, 120).echantillons(6400);
    const Lu net = lire(v, CodageRapide::morse, false, 3);
    const auto mot = std::find_if(net.lecture.paliers.begin(), net.lecture.paliers.end(),
        [](const PalierLu& p) { return p.lu == "  "; });
    ASSERT_NE(mot, net.lecture.paliers.end());
    for (int i = 0; i < 10; ++i)
        v[static_cast<std::size_t>(mot->debut + mot->longueur / 2 + i)] = 60;
    const Lu direct = lire(v, CodageRapide::morse, false, 3);
    verifier_coherence(direct, 6400);
    const auto rien = std::find_if(direct.lecture.paliers.begin(), direct.lecture.paliers.end(),
        [](const PalierLu& p) { return p.lumiere && p.lu.isEmpty(); });
    ASSERT_NE(rien, direct.lecture.paliers.end());
    EXPECT_EQ(rien->longueur, 10);

    const Lu fichier = lire(v, CodageRapide::morse, true, 3);
    ASSERT_FALSE(fichier.lecture.paliers.empty());
    const PalierLu& dernier = fichier.lecture.paliers.back();
    EXPECT_TRUE(dernier.arret);
    EXPECT_EQ(dernier.debut, rien->debut);
    EXPECT_EQ(fichier.message, "sos");
}

// The trace of a file holds every data line, header left out, with the file decoder's result.
TEST(Lecture, LaTraceDUnFichierGardeChaqueEchantillon)
{
    const auto v = synthese::emission_morse("sos").echantillons(6400);
    const Trace t = synthese::decoder_fichier(v, [](QIODevice& f) {
        return trace_fichier(f, CodageRapide::morse, 0.0013);
    });
    EXPECT_EQ(t.niveaux, v);
    EXPECT_EQ(synthese::sans_blancs_de_fin(t.message), "sos");
    EXPECT_FALSE(t.lecture.paliers.empty());
}
