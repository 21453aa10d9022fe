// Glitches of 1 to 3 samples anywhere in a fast recording, a flash before its pattern, and the
// edges of the windows of a recording whose dots last 40 samples and dashes 120.
#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"

#include "synthese.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace optolink;
using synthese::sans_blancs_de_fin;

namespace {

constexpr int sombre = synthese::Niveaux{}.sombre;
constexpr int allume = synthese::Niveaux{}.allume;

// The message and the code, live and from the file.
struct Lu {
    QString direct, fichier, code_direct, code_fichier;
};

Lu lire(bool binaire, const std::vector<int>& v)
{
    const auto decoder = [&](auto direct, auto fichier) {
        const auto d = synthese::decoder_table(v, sombre, direct);
        const auto f = synthese::decoder_fichier(v, fichier);
        return std::pair{d, f};
    };
    if (binaire) {
        const auto [d, f] = decoder([](const auto& t, int n, int s) { return decoder_binaire_rapide(t, n, s); },
                                    [](QIODevice& fichier) { return decode_fichierbinrap(fichier); });
        return {d.message, f.message, d.chainebits, f.chainebits};
    }
    const auto [d, f] = decoder([](const auto& t, int n, int s) { return decoder_morse_rapide(t, n, s); },
                                [](QIODevice& fichier) { return decode_fichiermorserap(fichier); });
    return {d.message, f.message, d.codemorse, f.codemorse};
}

// The middle of each run of a clean recording, with its side and its length.
struct Palier {
    int milieu, longueur;
    bool lumiere;
};

std::vector<Palier> paliers(const std::vector<int>& v)
{
    std::vector<Palier> p;
    for (int i = 1, debut = 1; i <= std::ssize(v); ++i)
        if (i == std::ssize(v) || (v[i] > allume / 2) != (v[debut] > allume / 2)) {
            p.push_back({(debut + i) / 2, i - debut, v[debut] > allume / 2});
            debut = i;
        }
    return p;
}

} // namespace

// A glitch of 1 to 3 samples at each place, at the three speeds and both lengths, in both codings:
// both decoders read the message exactly, and the same code.
TEST(Eclats, UnEclatNeCouteRien)
{
    for (const synthese::Cas& c : synthese::cas_courants())
        for (const bool binaire : {false, true}) {
            const QString texte = binaire ? "Ab 9" : "sos 42";
            const auto net = (binaire ? synthese::emission_binaire_temps(texte, c.dureebit)
                                      : synthese::emission_morse_temps(texte, c.dureebit))
                                 .echantillons(c.periode_s, c.nbmesuresmax, 0, 1);
            const auto p = paliers(net);
            const double u = binaire ? p[1].longueur : p[1].longueur / 3.0;
            // The dark before the pattern, the pattern's first pulse and gap, the last long gap of
            // the message, its first light run and its first short gap, the final silence.
            const auto premier = [&](std::size_t i, auto test) {
                while (!test(p[i]))
                    ++i;
                return p[i].milieu;
            };
            const auto dernier = [&](auto test) {
                std::size_t i = p.size() - 2;
                while (!test(p[i]))
                    --i;
                return p[i].milieu;
            };
            const std::size_t message = binaire ? 7 : 9;
            const std::pair<const char*, int> milieux[] = {
                {"before the pattern", p[0].milieu},
                {"pattern, light", p[1].milieu},
                {"pattern, dark", p[2].milieu},
                {"between characters", dernier([&](const Palier& x) { return !x.lumiere && x.longueur > 3 * u; })},
                {"character, light", p[message].milieu},
                {"character, dark",
                 premier(message, [&](const Palier& x) { return !x.lumiere && x.longueur < 1.5 * u; })},
                {"final silence", p.back().milieu},
            };
            for (const auto& [nom, milieu] : milieux)
                for (int longueur = 1; longueur <= 3; ++longueur) {
                    auto v = net;
                    for (int k = 0; k < longueur; ++k)
                        v[milieu + k] = v[milieu] > allume / 2 ? sombre : allume;
                    const Lu lu = lire(binaire, v);
                    const std::string cas = std::string(binaire ? "binary, " : "Morse, ") + nom + ", "
                                            + std::to_string(longueur) + " samples, " + std::to_string(c.periode_s)
                                            + " s, " + std::to_string(c.nbmesuresmax);
                    EXPECT_EQ(sans_blancs_de_fin(lu.direct), texte) << cas;
                    EXPECT_EQ(sans_blancs_de_fin(lu.fichier), texte) << cas;
                    EXPECT_EQ(lu.code_fichier, lu.code_direct) << cas;
                }
        }
}

// A flash before the pattern, longer than a glitch and not in its ratios: the calibration looks
// further and finds the pattern.
TEST(Eclats, UnEclairAvantLeMotifNEstPasPrisPourLui)
{
    for (const bool binaire : {false, true})
        for (const int longueur : {5, 12, 30}) {
            const QString texte = binaire ? "Ab 9" : "sos 42";
            auto v = (binaire ? synthese::emission_binaire_temps(texte, 1) : synthese::emission_morse_temps(texte, 1))
                         .echantillons(0.0013, 6400, 0, 1);
            std::fill_n(v.begin() + 40, longueur, allume);
            const Lu lu = lire(binaire, v);
            EXPECT_EQ(sans_blancs_de_fin(lu.direct), texte) << binaire << " " << longueur;
            EXPECT_EQ(sans_blancs_de_fin(lu.fichier), texte) << binaire << " " << longueur;
        }
}

// The runs accepted at the edges of the windows of a recording whose dots last 40 samples and
// dashes 120 (largeurpoint 40, largeurtrait 120) are read as they were: a dot of 40 ± 6 samples, a
// dash of 120 ± 9, a space for 1.5 × 120 − 5 = 175 dark samples, none for 174, after an element as
// after the calibration letter (its dash of darkness, 120, then the run). The windows are wider
// (a dot within 40 % of a dot, a dash within 40 % of a dash); a second space comes at seven dots
// (280 samples), nine after the letter (120 + 240), where it came at 350.
TEST(FenetresMorse, LesBordsSontLusCommeAvant)
{
    const struct {
        bool apres_etalonnage;
        std::vector<int> runs; // light, dark, light…, the first dark after a dot or after the letter
        const char* code;
    } cas[] = {
        {false, {40, 34, 40}, "..."}, {false, {40, 46, 40}, "..."}, {false, {40, 111, 40}, ".-."},
        {false, {40, 129, 40}, ".-."}, {false, {174}, ".."},        {false, {175}, ". ."},
        {false, {279}, ". ."},         {false, {280}, ".  ."},      {false, {360}, ".  ."},
        {false, {40, 30, 40}, "..."}, {false, {40, 60, 40}, ".."},  {false, {40, 80, 40}, ".-."},
        {false, {40, 160, 40}, ".-."}, {true, {54}, "."},           {true, {55}, " ."},
        {true, {239}, " ."},           {true, {240}, "  ."},
    };
    for (const auto& c : cas) {
        synthese::Signal s = synthese::signal_morse("", 40, 120);
        if (!c.apres_etalonnage)
            s.allume(40);
        bool noir = false;
        for (const int nb : c.runs)
            (noir = !noir) ? s.sombre(nb) : s.allume(nb);
        s.allume(40);
        const Lu lu = lire(false, s.echantillons(6400));
        EXPECT_EQ(lu.code_direct.trimmed(), QString(c.code).trimmed()) << c.runs.size() << " " << c.runs.front();
        EXPECT_TRUE(lu.code_direct.startsWith(c.code)) << c.runs.size() << " " << c.runs.front();
        EXPECT_TRUE(lu.code_direct.startsWith(lu.code_fichier)); // a run that is no element stops a file
    }
}
