// The program against an interface that misbehaves, in every state where a fault can strike.

#include "programme/perte_liaison.h"
#include "sim/panne.h"
#include "postes_virtuels/postes_simules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>

using namespace optolink;
using namespace optolink::essai;
using sim::Panne;
using sim::SortePanne;

namespace {

struct Etape {
    const char* nom;
    essai::Codage (*codage)();
    double dureebit;
    QString texte;      // what A sends at the click; empty: nothing is sent
    bool panne_chez_a;  // A's interface misbehaves (the sender), else B's (the receiver)
    double panne_s;     // when the fault strikes
    double fin_s;       // when both stations are asked to stop
    QString debut_recu; // what B has received before the fault and must keep
};

const Etape etapes[] = {
    {"AttenteDeLumiere", morse_lent, 1, {}, false, 3, 12, {}},
    {"ReceptionLente", morse_lent, 0.5, "sos sos", false, 14, 40, "sos"},
    {"EnvoiLent", morse_lent, 0.5, "sos sos", true, 8, 40, {}},
    {"EnregistrementEtTelechargement", morse_rapide, 1, "bonjour la classe", false, 9, 60, "bo"},
};

void PrintTo(const Etape& e, std::ostream* os) { *os << e.nom; }

Panne panne_de(SortePanne sorte, double debut_s)
{
    Panne p{.sorte = sorte, .debut_s = debut_s, .graine = 7};
    if (sorte == SortePanne::brouillage || sorte == SortePanne::reponse_de_trop)
        p.taux = 0.05;
    if (sorte == SortePanne::decoupage) {
        p.taux = 0.5;
        p.delai_s = 0.05;
    }
    return p;
}

// A yield and a clock reading each stand for a pass of a loop: a station that waits sleeps to its
// next event, one that spins piles up tens of thousands of passes per second of virtual time. A
// download, a yield and two readings per character at 960 characters a second, takes up to 6000.
constexpr double passages_max_par_s = 10'000;

struct Pannes : ::testing::TestWithParam<std::tuple<Etape, SortePanne>> {
    DeuxPostes postes;

    struct Suivi {
        sim::TempsVirtuel::Acteur* acteur;
        std::vector<std::uint64_t> passages_par_seconde{}; // from the fault on
        std::vector<double> tics{};
        std::uint64_t passages() const { return acteur->cessions() + acteur->lectures_horloge(); }
        // The work of the faulty station counted each second of the world's time.
        void compter(sim::TempsVirtuel& temps, double t, double fin_s, std::uint64_t avant)
        {
            if (t > fin_s)
                return;
            temps.programmer(t + 1, [this, &temps, t, fin_s, avant] {
                passages_par_seconde.push_back(passages() - avant);
                compter(temps, t + 1, fin_s, passages());
            });
        }
    };

    // Both stations in the coding, A sending at the click; the faulty one's ticks and work followed.
    bool executer(const Etape& e, Suivi& suivi, Poste& en_panne, Minuterie& minuterie)
    {
        const essai::Codage codage = e.codage();
        minuterie.surTic([&] {
            suivi.tics.push_back(suivi.acteur->instant_s());
            en_panne.Minuterie_Timer();
        });
        postes.temps.programmer(e.panne_s, [&] { suivi.compter(postes.temps, e.panne_s, e.fin_s, suivi.passages()); });
        auto station = [&](Poste* poste, sim::TempsVirtuel::Acteur* acteur, bool emettrice) {
            return [&codage, &e, poste, acteur, emettrice] {
                demarrer(*poste, codage.typecodage, e.dureebit, codage.intervalle_ms);
                if (emettrice)
                    acteur->programmer(DeuxPostes::clic_s, [&codage, &e, poste] {
                        poste->fenetre.Texte1.Text = e.texte;
                        codage.envoyer(*poste);
                    });
                acteur->programmer(e.fin_s, [poste] { poste->etat.typecodage.reset(); });
                codage.attendre(*poste);
            };
        };
        std::vector<sim::TempsVirtuel::Corps> corps{{&postes.acteurA, station(&postes.posteA, &postes.acteurA, !e.texte.isEmpty())}};
        // A sender whose interface vanished may leave its laser lit: the other computer's reception
        // is not what is looked at then.
        if (!e.panne_chez_a)
            corps.push_back({&postes.acteurB, station(&postes.posteB, &postes.acteurB, false)});
        return postes.temps.executer(corps, e.fin_s + 60);
    }
};

} // namespace

TEST_P(Pannes, LeProgrammeResteVivantSobreEtPrevenu)
{
    const auto& [e, sorte] = GetParam();
    Poste& en_panne = e.panne_chez_a ? postes.posteA : postes.posteB;
    Minuterie& minuterie = e.panne_chez_a ? *postes.minuterieA : *postes.minuterieB;
    Suivi suivi{e.panne_chez_a ? &postes.acteurA : &postes.acteurB};
    for (Poste* p : {&postes.posteA, &postes.posteB})
        surveiller_liaison(p->plateforme, p->liaison);
    postes.banc.interface(e.panne_chez_a ? 0 : 1).provoquer(panne_de(sorte, e.panne_s));

    ASSERT_TRUE(executer(e, suivi, en_panne, minuterie)) << "a station did not stop when asked";

    ASSERT_FALSE(suivi.passages_par_seconde.empty());
    const auto par_s = *std::max_element(suivi.passages_par_seconde.begin(), suivi.passages_par_seconde.end());
    std::printf("%-31s %-16s au plus %5llu passages par seconde, %zu avis\n", e.nom, qPrintable(sim::nom_panne(sorte)),
                static_cast<unsigned long long>(par_s), postes.boites.montrees.size());
    EXPECT_LT(par_s, passages_max_par_s);
    EXPECT_TRUE(minuterie.enabled());
    ASSERT_FALSE(suivi.tics.empty());
    EXPECT_GT(suivi.tics.back(), e.fin_s - 1) << "the timer no longer ticks";

    const bool visible = sorte == SortePanne::mutisme || sorte == SortePanne::disparition;
    ASSERT_EQ(postes.boites.montrees.size(), visible ? 1u : 0u);
    if (visible) {
        EXPECT_EQ(postes.boites.montrees[0].first, "Liaison avec Orphy GTS II perdue");
        EXPECT_TRUE(postes.boites.montrees[0].second.contains(en_panne.plateforme.com.peripherique()));
    }

    if (e.panne_chez_a) {
        EXPECT_GE(postes.banc.interface(0).journal_laser().size(), 4u) << "nothing was sent";
        EXPECT_EQ(en_panne.fenetre.Etiquette2.Caption, "Réception de message") << "the send did not end";
        EXPECT_TRUE(en_panne.fenetre.Btonenvoiemorse.Enabled);
        EXPECT_FALSE(en_panne.fenetre.Texte1.Locked);
    } else if (!e.texte.isEmpty()) {
        EXPECT_EQ(en_panne.fenetre.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE") << "the reception did not end";
        EXPECT_TRUE(en_panne.etat.message.trimmed().startsWith(e.debut_recu)) << qPrintable(en_panne.etat.message);

    }
}

INSTANTIATE_TEST_SUITE_P(, Pannes,
    ::testing::Combine(::testing::ValuesIn(etapes),
                       ::testing::Values(SortePanne::mutisme, SortePanne::disparition, SortePanne::brouillage,
                                         SortePanne::decoupage, SortePanne::retard, SortePanne::reponse_de_trop)),
    [](const auto& cas) {
        QString nom = QString::fromLatin1(std::get<0>(cas.param).nom) + u'_' + sim::nom_panne(std::get<1>(cas.param));
        return nom.remove(u'-').toStdString();
    });

// Replies that come late and in pieces, as a busy computer hands them on (the rest of half the
// replies 40 ms late): the receiver keeps the light it saw until a whole reply comes, and the
// message arrives exact. Each piece read as a reading of its own made darks in the start marker:
// the reception never started, the end marker was taken for it, and the message came empty.
TEST(ReponsesCoupees, LeMessageArriveExact)
{
    DeuxPostes postes;
    postes.banc.interface(1).provoquer(Panne{.sorte = SortePanne::decoupage, .taux = 0.5, .delai_s = 0.04, .graine = 7});
    ASSERT_TRUE(postes.echanger(morse_lent(), "sos", 0.5, 50).complet);
    EXPECT_EQ(postes.posteB.etat.message, "  sos");
}
