#include "programme/boucle_principale.h"
#include "programme/menus.h"

#include "postes_virtuels/station_virtuelle.h"

#include <gtest/gtest.h>

#include <set>

using namespace optolink;
using namespace optolink::essai;

namespace {

// A receive-wait routine reduced to its hand-over: it yields until the coding changes.
void attendre_changement_codage(Poste& poste)
{
    const std::optional<optolink::Codage> code = poste.etat.typecodage;
    while (poste.etat.typecodage == code)
        poste.plateforme.boucle.ceder();
}

// Each routine notes how deep it runs (the address of one of its locals) and which coding it serves.
struct Trace {
    std::vector<optolink::Codage> codages;
    std::set<const void*> profondeurs;
};

Routines routines_tracees(Trace& trace)
{
    Routines r;
    for (const optolink::Codage code : {optolink::Codage::morse, optolink::Codage::binaire, optolink::Codage::morse_rapide, optolink::Codage::binaire_rapide})
        r[code] = [&trace](Poste& p) {
            const int repere = 0;
            trace.profondeurs.insert(&repere);
            trace.codages.push_back(*p.etat.typecodage);
            attendre_changement_codage(p);
        };
    return r;
}

TEST(BouclePrincipale, MilleChangementsDeCodageLaissentLaProfondeurDAppelsInchangee)
{
    StationFactice s;
    s.poste.etat.typecodage = optolink::Codage::morse;
    const Menu entrees[] = {Menu::menu_typebinaire, Menu::menu_morserap_17s, Menu::menu_binairerapide_33s,
        Menu::menu_typemorse};
    for (int i = 0; i < 1000; ++i)
        s.acteur.programmer(0.1 * (i + 1), [&, i] { menu_Click(s.poste, entrees[i % 4]); });
    s.acteur.programmer(0.1 * 1001 + 0.05, [&] { s.poste.etat.typecodage.reset(); });

    Trace trace;
    const Routines routines = routines_tracees(trace);
    ASSERT_TRUE(s.executer([&] { boucle_principale(s.poste, routines); }, 200));
    ASSERT_EQ(trace.codages.size(), 1001u);
    EXPECT_EQ(trace.codages[0], optolink::Codage::morse);
    EXPECT_EQ(trace.codages[1], optolink::Codage::binaire);
    EXPECT_EQ(trace.codages[2], optolink::Codage::morse_rapide);
    EXPECT_EQ(trace.codages[3], optolink::Codage::binaire_rapide);
    EXPECT_EQ(trace.codages[1000], optolink::Codage::morse);
    EXPECT_EQ(trace.profondeurs.size(), 1u);
}

TEST(BouclePrincipale, ChoisirLeCodageEnCoursGardeLaRoutineQuiTourne)
{
    StationFactice s;
    s.poste.etat.typecodage = optolink::Codage::binaire;
    s.acteur.programmer(0.5, [&] { menu_Click(s.poste, Menu::menu_typebinaire); });
    s.acteur.programmer(1.0, [&] { s.poste.etat.typecodage.reset(); });
    Trace trace;
    const Routines routines = routines_tracees(trace);
    ASSERT_TRUE(s.executer([&] { boucle_principale(s.poste, routines); }));
    EXPECT_EQ(trace.codages, std::vector<optolink::Codage>{optolink::Codage::binaire});
}

} // namespace
