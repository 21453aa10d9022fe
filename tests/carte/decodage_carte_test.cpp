// The fast receivers decode what the board records: each coding at each speed, with the sampling
// period and the lengths the program pairs with it, live and from a saved file.
#include "carte_en_test.h"

#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"
#include "sim/lumiere.h"
#include "tests/fast/synthese.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Cas {
    bool binaire;
    double dureebit;
    int periode_us;
    int nombre;
};

// The board records a fast sender's light as the receiver starts it, at the end of the start mark,
// on a photodiode with its noise; the samples come back from index 1 on, as the download stores them.
std::vector<int> enregistrer(const synthese::SignalTemps& lumiere, const Cas& c)
{
    constexpr double pas_s = 20e-6;
    const int nb_pas = static_cast<int>(c.nombre * c.periode_us * 1e-6 / pas_s) + 1;
    const std::vector<int> allume = lumiere.echantillons(pas_s, nb_pas, 0, 1, synthese::Niveaux{0, 1, 0});
    optolink::sim::Photodiode photodiode(optolink::sim::ReglagesLumiere{.bruit_v = 0.05}, 7);
    CarteEnTest b;
    b.ecrire("WPE 1  " + std::to_string(c.nombre) + " " + std::to_string(c.periode_us) + " 1 0\r");
    double depart_s = 1e9;
    b.tension_v = [&](double t) {
        const long i = std::lround((t - depart_s) / pas_s);
        return photodiode.tension_v(t, i >= 0 && i < std::ssize(allume) && allume[i] == 1);
    };
    b.carte.envoyer("WGOR\r");
    depart_s = b.carte.envois_arrives_a_s();
    std::vector<int> valeurs = b.telecharger(c.nombre, depart_s + c.nombre * 0.0032 + 1);
    valeurs.insert(valeurs.begin(), 0);
    return valeurs;
}

class DecodageCarte : public testing::TestWithParam<Cas> {};

} // namespace

TEST_P(DecodageCarte, LesDeuxDecodeursLisentLeMessage)
{
    const Cas& c = GetParam();
    const QString texte = c.binaire ? QStringLiteral("Salut") : QStringLiteral("optolink");
    const auto lumiere = c.binaire ? synthese::emission_binaire_temps(texte, c.dureebit)
                                   : synthese::emission_morse_temps(texte, c.dureebit);
    const std::vector<int> echantillons = enregistrer(lumiere, c);
    ASSERT_EQ(std::ssize(echantillons), c.nombre + 1);
    // The dark level of the photodiode, 0.16 V, reads 2: the receiver's first level follows from it.
    const auto direct = [&](auto decodeur) {
        return synthese::sans_blancs_de_fin(synthese::decoder_table(echantillons, 2, decodeur).message);
    };
    const auto fichier = [&](auto decodeur) {
        return synthese::sans_blancs_de_fin(synthese::decoder_fichier(echantillons, decodeur).message);
    };
    using Table = const std::vector<optolink::Mesure>&;
    if (c.binaire) {
        EXPECT_EQ(direct([](Table t, int n, int s) { return optolink::decoder_binaire_rapide(t, n, s); }), texte);
        EXPECT_EQ(fichier([](QIODevice& f) { return optolink::decode_fichierbinrap(f); }), texte);
    } else {
        EXPECT_EQ(direct([](Table t, int n, int s) { return optolink::decoder_morse_rapide(t, n, s); }), texte);
        EXPECT_EQ(fichier([](QIODevice& f) { return optolink::decode_fichiermorserap(f); }), texte);
    }
}

INSTANTIATE_TEST_SUITE_P(
    VitessesEtLongueurs, DecodageCarte,
    testing::ValuesIn([] {
        std::vector<Cas> cas;
        for (const bool binaire : {false, true})
            for (const auto& [dureebit, periode_us] : {std::pair{1.0, 1300}, {0.5, 800}, {1.0 / 3, 500}})
                for (const int nombre : {6400, 12800})
                    cas.push_back({binaire, dureebit, periode_us, nombre});
        return cas;
    }()),
    [](const testing::TestParamInfo<Cas>& parametre) {
        const Cas& c = parametre.param;
        return std::string(c.binaire ? "binaire_" : "morse_") + std::to_string(c.periode_us) + "us_"
               + std::to_string(c.nombre);
    });
