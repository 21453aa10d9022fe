// Glitches of 1 to 3 samples anywhere in a fast recording, and the edges of the windows of a
// recording whose dots last 40 samples and dashes 120.
#include "fast/binaire_rapide.h"
#include "fast/morse_rapide.h"

#include "synthese.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace optolink;
using synthese::sans_blancs_de_fin;

namespace {

// The message live and from the file, and the codes both read.
struct Lu {
    QString direct, fichier, code_direct, code_fichier;
};

Lu lire(bool binaire, const std::vector<int>& v)
{
    const int sombre = synthese::Niveaux{}.sombre;
    if (binaire) {
        const auto d = synthese::decoder_table(v, sombre, [](const auto& t, int n, int s) {
            return decoder_binaire_rapide(t, n, s);
        });
        const auto f = synthese::decoder_fichier(v, [](QIODevice& f) { return decode_fichierbinrap(f); });
        return {d.message, f.message, d.chainebits, f.chainebits};
    }
    const auto d = synthese::decoder_table(v, sombre, [](const auto& t, int n, int s) {
        return decoder_morse_rapide(t, n, s);
    });
    const auto f = synthese::decoder_fichier(v, [](QIODevice& f) { return decode_fichiermorserap(f); });
    return {d.message, f.message, d.codemorse, f.codemorse};
}

// A run of the clean recording.
struct Palier {
    int debut, longueur;
    bool lumiere;
};

std::vector<Palier> paliers(const std::vector<int>& v)
{
    std::vector<Palier> p;
    for (int i = 1; i < std::ssize(v); ++i) {
        const bool lumiere = v[i] > 30;
        if (p.empty() || p.back().lumiere != lumiere)
            p.push_back({i, 0, lumiere});
        ++p.back().longueur;
    }
    return p;
}

enum class Place { avant, etalonnage_lumiere, etalonnage_noir, entre_caracteres, caractere_lumiere, caractere_noir, silence };

const char* nom(Place p)
{
    static const char* noms[] = {"avant", "etalonnage_lumiere", "etalonnage_noir", "entre_caracteres",
                                 "caractere_lumiere", "caractere_noir", "silence"};
    return noms[static_cast<int>(p)];
}

// The middle of the run where the glitch goes: the dark before the pattern, the pattern's first
// light run or its first gap, the first gap of three units or more after it, the message's first
// light run, its first gap inside a character, the silence at the end.
int milieu(const std::vector<Palier>& p, Place place, bool binaire)
{
    const std::size_t motif = binaire ? 6 : 8; // dark before, then the pattern's runs
    const double unite = binaire ? p[1].longueur : p[1].longueur / 3.0;
    const auto au_milieu = [](const Palier& x) { return x.debut + x.longueur / 2; };
    switch (place) {
    case Place::avant: return au_milieu(p[0]);
    case Place::etalonnage_lumiere: return au_milieu(p[1]);
    case Place::etalonnage_noir: return au_milieu(p[2]);
    case Place::silence: return au_milieu(p.back());
    default: break;
    }
    for (std::size_t i = motif + 1; i + 1 < p.size(); ++i) {
        const bool long_noir = !p[i].lumiere && p[i].longueur >= 3 * unite;
        const bool court_noir = !p[i].lumiere && p[i].longueur < 1.5 * unite;
        if ((place == Place::entre_caracteres && long_noir) || (place == Place::caractere_lumiere && p[i].lumiere)
            || (place == Place::caractere_noir && court_noir))
            return au_milieu(p[i]);
    }
    return -1;
}

struct Vitesse {
    double periode_s, dureebit;
    int nbmesuresmax;
};

} // namespace

// A glitch of 1 to 3 samples at each place, at the three speeds and both lengths, in both codings:
// both decoders read the message exactly, and the same code.
TEST(Eclats, UnEclatNeCouteRien)
{
    const Vitesse vitesses[] = {{0.0013, 1, 6400}, {0.0008, 0.5, 6400}, {0.0005, 1.0 / 3, 6400},
                                {0.0013, 1, 12800}, {0.0008, 0.5, 12800}, {0.0005, 1.0 / 3, 12800}};
    const Place places[] = {Place::avant, Place::etalonnage_lumiere, Place::etalonnage_noir, Place::entre_caracteres,
                            Place::caractere_lumiere, Place::caractere_noir, Place::silence};
    for (const bool binaire : {false, true}) {
        const QString texte = binaire ? "Ab 9" : "sos 42";
        for (const Vitesse& s : vitesses) {
            const auto signal = binaire ? synthese::emission_binaire_temps(texte, s.dureebit)
                                        : synthese::emission_morse_temps(texte, s.dureebit);
            const auto net = signal.echantillons(s.periode_s, s.nbmesuresmax, 0, 1);
            const auto p = paliers(net);
            for (const Place place : places) {
                const int i = milieu(p, place, binaire);
                ASSERT_GT(i, 0) << nom(place);
                for (int longueur = 1; longueur <= 3; ++longueur) {
                    auto v = net;
                    for (int k = 0; k < longueur; ++k)
                        v[i + k] = v[i] > 30 ? synthese::Niveaux{}.sombre : synthese::Niveaux{}.allume;
                    const Lu lu = lire(binaire, v);
                    const std::string cas = std::string(binaire ? "binary " : "Morse ") + nom(place) + " "
                                            + std::to_string(longueur) + " samples, period "
                                            + std::to_string(s.periode_s) + ", " + std::to_string(s.nbmesuresmax);
                    EXPECT_EQ(sans_blancs_de_fin(lu.direct), texte) << cas;
                    EXPECT_EQ(sans_blancs_de_fin(lu.fichier), texte) << cas;
                    EXPECT_EQ(lu.code_fichier, lu.code_direct) << cas;
                }
            }
        }
    }
}

// A stray flash before the pattern, longer than a glitch and not in its ratios: the calibration
// looks further and finds the pattern.
TEST(Eclats, UnEclairAvantLeMotifNEstPasPrisPourLui)
{
    for (const bool binaire : {false, true}) {
        const QString texte = binaire ? "Ab 9" : "sos 42";
        for (const int longueur : {5, 12, 30}) {
            const auto signal = binaire ? synthese::emission_binaire_temps(texte, 1)
                                        : synthese::emission_morse_temps(texte, 1);
            auto v = signal.echantillons(0.0013, 6400, 0, 1);
            for (int k = 0; k < longueur; ++k)
                v[40 + k] = synthese::Niveaux{}.allume;
            const Lu lu = lire(binaire, v);
            EXPECT_EQ(sans_blancs_de_fin(lu.direct), texte) << binaire << " " << longueur;
            EXPECT_EQ(sans_blancs_de_fin(lu.fichier), texte) << binaire << " " << longueur;
        }
    }
}

namespace {

// The calibration letter with dots of 40 samples and dashes of 120 (largeurpoint 40, largeurtrait
// 120), a dot, then the runs, then a dot and the silence.
QString morse_quarante(const std::vector<std::pair<bool, int>>& runs)
{
    synthese::Signal s = synthese::signal_morse("", 40, 120);
    s.allume(40);
    for (const auto& [lumiere, nb] : runs)
        lumiere ? s.allume(nb) : s.sombre(nb);
    s.allume(40);
    const Lu lu = lire(false, s.echantillons(6400));
    // A run that is neither a dot nor a dash stops a file.
    EXPECT_TRUE(lu.code_direct.startsWith(lu.code_fichier)) << lu.code_fichier.toStdString();
    return lu.code_direct.trimmed();
}

} // namespace

// The runs accepted at the edges of the windows of such a recording are read the same: a dot of
// 40 ± 6 samples, a dash of 120 ± 9, a space for 1.5 × 120 − 5 = 175 dark samples, none for 174.
// The windows are wider (a dot within 40 % of a dot, a dash within 40 % of a dash); the second
// space comes at seven dots (280 samples), where it came at 350.
TEST(FenetresMorse, LesBordsSontLusCommeAvant)
{
    const struct {
        std::vector<std::pair<bool, int>> runs;
        const char* code;
    } cas[] = {
        {{{false, 40}, {true, 34}, {false, 40}}, "..."},   {{{false, 40}, {true, 46}, {false, 40}}, "..."},
        {{{false, 40}, {true, 111}, {false, 40}}, ".-."},  {{{false, 40}, {true, 129}, {false, 40}}, ".-."},
        {{{false, 174}}, ".."},                              {{{false, 175}}, ". ."},
        {{{false, 200}}, ". ."},                             {{{false, 279}}, ". ."},
        {{{false, 280}}, ".  ."},                            {{{false, 360}}, ".  ."},
        {{{false, 40}, {true, 30}, {false, 40}}, "..."},   {{{false, 40}, {true, 60}, {false, 40}}, ".."},
        {{{false, 40}, {true, 80}, {false, 40}}, ".-."},   {{{false, 40}, {true, 160}, {false, 40}}, ".-."},
    };
    for (const auto& c : cas)
        EXPECT_EQ(morse_quarante(c.runs), c.code) << c.runs.size() << " " << c.runs.back().second;
}
