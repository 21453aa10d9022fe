#include "sim/decoupeur_commandes.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace optolink::sim;
using namespace std::literals;

namespace {

// What the splitter made of a stream: "L1"/"L0" for laser signals, "[line]" for command lines.
struct Trace {
    DecoupeurCommandes decoupeur;
    std::string vu;
    Trace()
    {
        decoupeur.surLaser = [this](bool allume) { vu += allume ? "L1" : "L0"; };
        decoupeur.surLigne = [this](const QByteArray& ligne) {
            vu += '[';
            vu += ligne.toStdString();
            vu += ']';
        };
    }
    void envoyer(std::string_view octets)
    {
        for (const char c : octets)
            decoupeur.octet(c);
    }
};

} // namespace

TEST(DecoupeurCommandes, LesBlancsDUneCommandeNeSontPasDesSignaux)
{
    Trace t;
    t.envoyer("WFORMAT 1WASCWBAUDS 0 \r");
    EXPECT_EQ(t.vu, "[WFORMAT 1WASCWBAUDS 0 ]");
    t.envoyer("WPE 1  6400 1300 1 0\rWGOR\r");
    EXPECT_EQ(t.vu, "[WFORMAT 1WASCWBAUDS 0 ][WPE 1  6400 1300 1 0][WGOR]");
}

TEST(DecoupeurCommandes, SignauxEntreLesCommandesEtRetourSeulIgnore)
{
    Trace t;
    t.envoyer("\0\r \r\r\0\0WEA 0\r \n x\r"sv);
    EXPECT_EQ(t.vu, "L1L0L1L1[WEA 0]L0L0");
}

TEST(DecoupeurCommandes, UnOctetNulDansUneLigneAppartientALaCommande)
{
    Trace t;
    t.envoyer("WE\0A 0\r\0"sv);
    EXPECT_EQ(t.vu, "[WE\0A 0]L1"s);
}

TEST(DecoupeurCommandes, UneLigneTropLongueEstJeteeEntiere)
{
    Trace t;
    t.envoyer("W" + std::string(DecoupeurCommandes::longueur_max + 10, ' ') + "\r");
    t.envoyer("WEA 0\r ");
    EXPECT_EQ(t.vu, "[WEA 0]L0");
}

TEST(CommandesDeLigne, ChaqueWCommenceUneCommande)
{
    EXPECT_EQ(commandes_de_ligne("WFORMAT 1WASCWBAUDS 0 "), (QList<QByteArray>{"WFORMAT 1", "WASC", "WBAUDS 0 "}));
    EXPECT_EQ(commandes_de_ligne("WEA 0"), (QList<QByteArray>{"WEA 0"}));
}
