// The firmware's command splitter, compiled for the computer from the board's own source.
#include "decoupeur.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace std::literals;

namespace {

// "L1"/"L0" for the laser, "EA<n>", "PE<count>/<period>", "GOR", "V<bauds>" for the commands.
std::string texte(const action& a)
{
    switch (a.type) {
    case ACTION_LASER_ALLUME:
        return "L1";
    case ACTION_LASER_ETEINT:
        return "L0";
    case ACTION_DEMANDE_EA:
        return "EA" + std::to_string(a.entree);
    case ACTION_PROGRAMME:
        return "PE" + std::to_string(a.nombre) + "/" + std::to_string(a.periode_us);
    case ACTION_LANCEMENT:
        return "GOR";
    case ACTION_VITESSE:
        return std::string("V").append(std::to_string(a.nombre)); // GCC 12 at -O3 sees a false overlap in "V" + …
    default:
        return "";
    }
}

// What each byte of the stream does, in order.
std::vector<std::string> par_octet(std::string_view octets)
{
    decoupeur d;
    decoupeur_initialiser(&d);
    std::vector<std::string> vu;
    for (const char c : octets)
        vu.push_back(texte(decoupeur_octet(&d, static_cast<std::uint8_t>(c))));
    return vu;
}

std::string actions(std::string_view octets)
{
    std::string tout;
    for (const std::string& a : par_octet(octets))
        tout += a;
    return tout;
}

struct Cas {
    std::string_view octets;
    std::string_view attendu;
};

// Everything the program writes: the set-up and its laser-off, the slow and fast laser signals,
// the reading request, the six recording programmes, the start, the board's rate and the byte that
// brings a board back to 9600 baud, nothing to a board already there.
const Cas ecrits_du_programme[] = {
    {"WFORMAT 1WASCWBAUDS 0 \r"sv, "L0L0L0"},
    {"\0\r"sv, "L1"},
    {" \r"sv, "L0"},
    {"\0"sv, "L1"},
    {" "sv, "L0"},
    {"WEA 0\r"sv, "L0EA0"},
    {"WPE 1  6400 1300 1 0\r"sv, "L0L0L0L0L0L0PE6400/1300"},
    {"WPE 1  6400 800 1 0\r"sv, "L0L0L0L0L0L0PE6400/800"},
    {"WPE 1  6400 500 1 0\r"sv, "L0L0L0L0L0L0PE6400/500"},
    {"WPE 1  12800 1300 1 0\r"sv, "L0L0L0L0L0L0PE12800/1300"},
    {"WPE 1  12800 800 1 0\r"sv, "L0L0L0L0L0L0PE12800/800"},
    {"WPE 1  12800 500 1 0\r"sv, "L0L0L0L0L0L0PE12800/500"},
    {"WGOR\r"sv, "GOR"},
    {"WVITESSE 500000\r"sv, "L0V500000"},
    {"\xff"sv, ""},
};

} // namespace

TEST(DecoupeurCarte, ChaqueEcritDuProgrammeEtTousLesEnchainements)
{
    for (const Cas& cas : ecrits_du_programme) {
        EXPECT_EQ(actions(cas.octets), cas.attendu) << cas.octets;
        // Whatever came before, each write leaves the splitter as it found it.
        for (const Cas& suivant : ecrits_du_programme) {
            const std::string flux = std::string(cas.octets) + std::string(suivant.octets);
            EXPECT_EQ(actions(flux), std::string(cas.attendu) + std::string(suivant.attendu)) << flux;
        }
    }
}

// A laser byte arriving anywhere, inside a command too, acts at once and leaves the command whole.
TEST(DecoupeurCarte, UnOctetLaserAgitAussitotAChaquePlaceDUneCommande)
{
    for (const Cas& cas : ecrits_du_programme) {
        const std::vector<std::string> avant = par_octet(cas.octets);
        for (std::size_t place = 0; place <= cas.octets.size(); ++place) {
            std::string flux(cas.octets);
            flux.insert(place, 1, '\0');
            std::vector<std::string> attendu = avant;
            attendu.insert(attendu.begin() + static_cast<std::ptrdiff_t>(place), "L1");
            EXPECT_EQ(par_octet(flux), attendu) << cas.octets << " octet nul en " << place;
        }
    }
}

TEST(DecoupeurCarte, EntreesMalFormees)
{
    const Cas cas[] = {
        {"WEA 3\r", "L0EA3"},
        {"WEA 300\r", "L0EA255"},
        {"WEA\r", "EA0"},
        {"WEAx\r", "EA0"},                           // no number: input 0, as the interface reads it
        {"WPE 1 6400\r", "L0L0"},                    // no period
        {"WPE 1  64x0 1300 1 0\r", "L0L0L0L0L0L0"},  // a count that is no number
        {"WPE 1  6400 1300x 1 0\r", "L0L0L0L0L0L0"},
        {"WPE 1  123456789 1300 1 0\r", "L0L0L0L0L0L0"}, // longer than any number the chip takes
        {"WPE 1\t6400\t500\r", "L0PE6400/500"},      // other blanks separate words without darkening
        {"Wea 0\r", "L0"},                           // names are in capitals
        {"WFORMATAGE 1\r", "L0"},                    // no known name is that long
        {"WGORX\r", ""},
        {"WG OR\r", "L0"},
        {"\rx\n5GOR\r", ""},                         // outside a command, only the laser bytes count
        {"WEA 0WGOR\r", "L0EA0GOR"},                 // a W ends the command before it
        {"WE\0A 0\r"sv, "L1L0EA0"},                  // byte 0 belongs to no command
        {"WGOR", ""},                                // no end yet: nothing
    };
    for (const Cas& c : cas)
        EXPECT_EQ(actions(c.octets), c.attendu) << c.octets;
}
