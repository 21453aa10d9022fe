// Messages back to back through the four codings, the coding changed from the menu before each
// one, in virtual time: the memory in use and the depth of the calls stay where they were, and
// each message is received as it is when sent alone.

#include "postes_virtuels/postes_simules.h"
#include "programme/boucle_principale.h"
#include "programme/menus.h"
#include "analyse/emission_prevue.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>

using namespace optolink;
using namespace optolink::essai;

namespace {

struct Envoi {
    essai::Codage (*codage)();
    Menu menu;
    QString texte;
};

const std::vector<Envoi> envois{
    {morse_lent, Menu::menu_typemorse, "sos"},          {binaire_rapide, Menu::menu_binairerap_17s, "Été"},
    {binaire_lent, Menu::menu_typebinaire, "Ça va"},    {morse_rapide, Menu::menu_morserap_17s, "bonjour"},
    {morse_lent, Menu::menu_typemorse, "ok 73"},        {morse_rapide, Menu::menu_morserap_17s, "sos"},
    {binaire_lent, Menu::menu_typebinaire, "a"},        {binaire_rapide, Menu::menu_binairerap_17s, "ok"},
};

constexpr int nb_messages = 200;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's runtime, whose allocator replaces malloc's (its header is not always installed).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes allocated and not freed, from the allocator in use: the sanitizer's when there is one, the C
// runtime's heap on Windows.
std::int64_t memoire_octets()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#elif defined(_WIN32)
    _HEAPINFO bloc{};
    std::int64_t octets = 0;
    while (_heapwalk(&bloc) == _HEAPOK)
        if (bloc._useflag == _USEDENTRY)
            octets += static_cast<std::int64_t>(bloc._size);
    return octets;
#else
    return static_cast<std::int64_t>(mallinfo2().uordblks);
#endif
}

// How deep the stack is where an event of the station's loop runs.
std::uintptr_t profondeur() { return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)); }

struct Bilan {
    std::vector<QString> recus;           // what B shows, message after message
    std::vector<std::int64_t> memoire;    // at the start of each message
    std::map<QString, std::vector<std::uintptr_t>> piles; // by coding: where A's send and B's menu ran
};

const Routines routines{{optolink::Codage::morse, morse_lent().attendre},
                        {optolink::Codage::binaire, binaire_lent().attendre},
                        {optolink::Codage::morse_rapide, morse_rapide().attendre},
                        {optolink::Codage::binaire_rapide, binaire_rapide().attendre}};

// Both stations in their main loops; before each message A's user and B's user choose the coding
// from the menu, a second later A's user sends, and the next message waits until B shows this one.
Bilan enchainer(const std::vector<Envoi>& suite)
{
    DeuxPostes postes;
    Bilan r;
    std::size_t rang = 0;
    std::function<void()> suivant;
    std::function<void()> attendre_b;
    auto finir = [&] {
        for (Poste* p : {&postes.posteA, &postes.posteB})
            p->etat.typecodage.reset();
    };
    attendre_b = [&] {
        const Poste& b = postes.posteB;
        if (b.etat.message.isEmpty() || b.fenetre.Etiquette2.Caption != u" FIN DE RECEPTION DU MESSAGE"
            || !b.plateforme.minuterie.enabled()) {
            postes.acteurA.programmer(postes.acteurA.instant_s() + 0.5, attendre_b);
            return;
        }
        r.recus.push_back(b.etat.message.trimmed());
        ++rang;
        postes.acteurA.programmer(postes.acteurA.instant_s() + 1, suivant);
    };
    suivant = [&] {
        if (rang == suite.size())
            return finir();
        const Envoi& e = suite[rang];
        // The simulated interfaces log every byte they hear: that is the bench's memory, not the program's.
        for (int i : {0, 1})
            postes.banc.interface(i).oublier_journal();
        r.memoire.push_back(memoire_octets());
        menu_Click(postes.posteA, e.menu);
        postes.acteurB.programmer(postes.acteurA.instant_s(), [&postes, &r, &e] {
            r.piles[nom_codage(*postes.posteB.etat.typecodage) + " B"].push_back(profondeur());
            menu_Click(postes.posteB, e.menu);
        });
        postes.acteurA.programmer(postes.acteurA.instant_s() + 1, [&postes, &r, &e, &attendre_b] {
            r.piles[nom_codage(*postes.posteA.etat.typecodage) + " A"].push_back(profondeur());
            postes.posteB.etat.message.clear();
            postes.posteA.fenetre.Texte1.Text = e.texte;
            e.codage().envoyer(postes.posteA);
            postes.acteurA.programmer(postes.acteurA.instant_s() + 0.5, attendre_b);
        });
    };
    auto station = [&](Poste& poste) {
        return [&poste, &suivant, &postes] {
            demarrer(poste, optolink::Codage::morse, 1, 30);
            menu_Click(poste, Menu::menu_vit_emission2);
            if (&poste == &postes.posteA)
                postes.acteurA.programmer(postes.acteurA.instant_s() + 1, suivant);
            boucle_principale(poste, routines);
        };
    };
    EXPECT_TRUE(postes.temps.executer({{&postes.acteurA, station(postes.posteA)}, {&postes.acteurB, station(postes.posteB)}},
                                      60.0 * static_cast<double>(suite.size()) + 60));
    return r;
}

} // namespace

TEST(Endurance, DesMessagesALaSuiteDansLesQuatreCodagesNeLaissentRienDerriereEux)
{
    std::map<std::pair<essai::Codage (*)(), QString>, QString> seul;
    for (const Envoi& e : envois) {
        const Bilan r = enchainer({e});
        ASSERT_EQ(r.recus.size(), 1u);
        seul[{e.codage, e.texte}] = r.recus[0];
    }

    std::vector<Envoi> suite;
    for (int i = 0; i < nb_messages; ++i)
        suite.push_back(envois[static_cast<std::size_t>(i) % envois.size()]);
    const Bilan r = enchainer(suite);

    ASSERT_EQ(r.recus.size(), suite.size());
    for (std::size_t i = 0; i < suite.size(); ++i)
        EXPECT_EQ(r.recus[i], (seul[{suite[i].codage, suite[i].texte}])) << "message " << i;

    for (const auto& [ou, piles] : r.piles) {
        const auto [bas, haut] = std::minmax_element(piles.begin(), piles.end());
        std::printf("pile (%s) : %zu relevés, écart %lld octets\n", qPrintable(ou), piles.size(),
                    static_cast<long long>(*haut - *bas));
        EXPECT_EQ(*haut, *bas) << qPrintable(ou);
    }

    // The first round of every message fills what the program keeps for good (caches, buffers).
    const std::size_t apres_un_tour = envois.size();
    const std::int64_t debut = r.memoire[apres_un_tour];
    const std::int64_t fin = r.memoire.back();
    const std::int64_t pointe = *std::max_element(r.memoire.begin() + apres_un_tour, r.memoire.end());
    std::printf("mémoire en usage : %lld octets au message 0, %lld au message %zu, %lld au message %zu (pointe %lld)\n",
                static_cast<long long>(r.memoire.front()), static_cast<long long>(debut), apres_un_tour,
                static_cast<long long>(fin), r.memoire.size() - 1, static_cast<long long>(pointe));
    EXPECT_LE(pointe - debut, 256 * 1024);
}
