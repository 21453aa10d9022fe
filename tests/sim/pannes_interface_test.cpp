#include "sim/banc.h"
#include "sim/com_simule.h"
#include "sim/temps_virtuel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

using namespace optolink::sim;

namespace {

struct Arrivee {
    double instant_s;
    char octet;
};

constexpr double panne_s = 0.1;

// What the computer receives from interface A for ten EA0 requests 30 ms apart, the fault (if
// any) striking at panne_s.
std::vector<Arrivee> recu(const std::optional<Panne>& panne)
{
    TempsVirtuel temps;
    TempsVirtuel::Acteur& horloge = temps.acteur("test");
    Banc banc(temps, {});
    std::vector<Arrivee> arrivees;
    banc.interface(0).surReponse([&](char c) { arrivees.push_back({temps.maintenant_s(), c}); });
    if (panne)
        banc.interface(0).provoquer(*panne);
    for (int i = 0; i < 10; ++i) {
        banc.interface(0).envoyer("WEA 0\r");
        horloge.ceder(horloge.instant_s() + 0.03);
    }
    horloge.ceder(2);
    return arrivees;
}

QByteArray texte(const std::vector<Arrivee>& arrivees)
{
    QByteArray t;
    for (const Arrivee& a : arrivees)
        t += a.octet;
    return t;
}

std::vector<Arrivee> apres_panne(const std::vector<Arrivee>& arrivees)
{
    std::vector<Arrivee> apres;
    for (const Arrivee& a : arrivees)
        if (a.instant_s >= panne_s)
            apres.push_back(a);
    return apres;
}

} // namespace

TEST(PannesInterface, UneInterfaceMuetteOuDisparueNEnvoiePlusRienPasMemeCeQuiEtaitEnRoute)
{
    // A recording of 100 samples is on its way when the fault strikes after 50 bytes.
    for (const SortePanne sorte : {SortePanne::mutisme, SortePanne::disparition}) {
        TempsVirtuel temps;
        TempsVirtuel::Acteur& horloge = temps.acteur("test");
        Banc banc(temps, {});
        ComSimule com(banc.interface(0), temps);
        int pertes = 0;
        com.surPerte([&](const QString&) { ++pertes; });
        com.setCommPort(1);
        ASSERT_TRUE(com.setPortOpen(true));
        banc.interface(0).provoquer({.sorte = sorte, .apres_octets = 50});
        com.output("WPE 1  100 1000 1 0\rWGOR\r");
        horloge.ceder(1);
        const QByteArray lus = com.input();
        EXPECT_EQ(pertes, sorte == SortePanne::disparition ? 1 : 0);
        EXPECT_EQ(com.portOpen(), sorte == SortePanne::mutisme);
        if (sorte == SortePanne::mutisme) {
            EXPECT_EQ(lus.size(), 50);
        }
        // Vanished, it no longer hears anything either.
        EXPECT_EQ(banc.interface(0).disparue(), sorte == SortePanne::disparition);
    }
}

TEST(PannesInterface, ChaquePanneDeReponsesFaitCeQuElleDitEtSeRejoue)
{
    const std::vector<Arrivee> normal = recu(std::nullopt);
    const QByteArray avant = texte(normal).first(texte(normal).size() - texte(apres_panne(normal)).size());
    auto avec = [](SortePanne sorte, double taux, double delai_s) {
        return recu(Panne{.sorte = sorte, .debut_s = panne_s, .taux = taux, .delai_s = delai_s, .graine = 3});
    };

    // Before the fault, every reply is as without it.
    for (const SortePanne sorte : {SortePanne::brouillage, SortePanne::decoupage, SortePanne::retard, SortePanne::reponse_de_trop})
        EXPECT_TRUE(texte(avec(sorte, 1, 0.2)).startsWith(avant)) << qPrintable(nom_panne(sorte));

    const QByteArray brouille = texte(apres_panne(avec(SortePanne::brouillage, 1, 0)));
    const QByteArray propre = texte(apres_panne(normal));
    ASSERT_EQ(brouille.size(), propre.size());
    for (qsizetype i = 0; i < propre.size(); ++i)
        EXPECT_NE(brouille[i], propre[i]) << i;
    EXPECT_EQ(texte(avec(SortePanne::brouillage, 0.3, 0)), texte(avec(SortePanne::brouillage, 0.3, 0)));
    EXPECT_EQ(texte(avec(SortePanne::brouillage, 0, 0)), texte(normal));

    // Split replies keep their bytes and their order; the rest of a reply waits, and the replies
    // behind it do not fall further and further behind.
    const std::vector<Arrivee> coupees = avec(SortePanne::decoupage, 1, 0.05);
    EXPECT_EQ(texte(coupees), texte(normal));
    double attente_dans_une_reponse = 0;
    for (std::size_t i = 1; i < coupees.size(); ++i)
        if (coupees[i - 1].octet != '\r')
            attente_dans_une_reponse = std::max(attente_dans_une_reponse, coupees[i].instant_s - coupees[i - 1].instant_s);
    EXPECT_GE(attente_dans_une_reponse, 0.05 - 1e-9);
    EXPECT_LT(coupees.back().instant_s, normal.back().instant_s + 0.05 + 0.002);

    const std::vector<Arrivee> tardives = apres_panne(avec(SortePanne::retard, 1, 0.2));
    ASSERT_FALSE(tardives.empty());
    EXPECT_NEAR(tardives.front().instant_s, apres_panne(normal).front().instant_s + 0.2, 0.002);
    EXPECT_EQ(texte(tardives), propre);

    // Each reply sent twice: "12\r12\r".
    QByteArray doublees;
    for (const QByteArray& reponse : propre.split('\r'))
        if (!reponse.isEmpty())
            doublees += reponse + '\r' + reponse + '\r';
    EXPECT_EQ(texte(apres_panne(avec(SortePanne::reponse_de_trop, 1, 0))), doublees);
}
