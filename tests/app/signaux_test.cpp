#include "analyse/bilan.h"
#include "postes_virtuels/postes_simules.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

namespace {

QStringList sortes(const Signaux& s)
{
    QStringList liste;
    for (const ImpulsionLente& i : s.impulsions())
        liste << i.sorte;
    return liste;
}

struct Receptions {
    explicit Receptions(Poste& p) : branchement(p.signaux.surReception.brancher([this] { ++nombre; })) {}
    int nombre = 0;
    Crochet<>::Branchement branchement;
};

} // namespace

// The receiver's chart holds one reading per timer tick over the last 15 s, and each pulse as
// the receiver classified it; the window hears of the reception once.
TEST(Signaux, MorseLentChaqueImpulsionClasseeEtUnPointParTic)
{
    DeuxPostes postes;
    Receptions receptions(postes.posteB);
    ASSERT_TRUE(postes.echanger(morse_lent(), "et", 1, 50).complet);
    EXPECT_EQ(sortes(postes.posteB.signaux), QStringList({"début", ".", "-", "fin"}));
    EXPECT_EQ(receptions.nombre, 1);

    const auto& tensions = postes.posteB.signaux.tensions();
    ASSERT_GT(tensions.size(), 200u);
    EXPECT_LE(tensions.back().t_s - tensions.front().t_s, Signaux::duree_direct_s);
    for (std::size_t i = 1; i < tensions.size(); ++i)
        EXPECT_NEAR(tensions[i].t_s - tensions[i - 1].t_s, 0.05, 0.002) << i;
    const ImpulsionLente& fin = postes.posteB.signaux.impulsions().back();
    EXPECT_GT(fin.fin_s - fin.debut_s, 1.5);

    // The report of the reception, to the timer's tick: a dot of 0.3 s, the message's light ending
    // where the sender's does.
    const Signaux& s = postes.posteB.signaux;
    const auto b = bilan_lent({s.derniere_reception_lente(), s.tensions(), postes.posteB.etat.message,
                               optolink::Codage::morse, postes.posteB.etat.tensionseuil},
                              1, 0.0013, "ET");
    ASSERT_TRUE(b);
    // Sent in capitals, the same Morse: no error; a word per minute at a 0.3 s dot is 4.
    ASSERT_TRUE(b->erreurs);
    EXPECT_EQ(b->erreurs->caracteres_faux, 0);
    EXPECT_FALSE(b->erreurs->bits_envoyes);
    EXPECT_NEAR(b->mots_minute, 4, 0.7);
    // The bench's levels: 0.16 V dark, 4.06 V lit, read in steps of 20/255 V.
    ASSERT_TRUE(b->niveaux);
    EXPECT_NEAR(b->niveaux->bas_v, 0.16, 0.08);
    EXPECT_NEAR(b->niveaux->haut_v, 4.06, 0.08);
    EXPECT_FALSE(b->niveaux->faible());
    EXPECT_EQ(b->caracteres, 2);
    EXPECT_EQ(b->elements, 2);
    EXPECT_EQ(b->points, 1);
    EXPECT_NEAR(b->unite_s, 0.3, 0.05);
    EXPECT_NEAR(b->duree_s, emission_prevue(optolink::Codage::morse, "et", 1, 0.0013).duree_s(), 0.1);
}

TEST(Signaux, BinaireLentLesUnsEtLeMarqueurDeFin)
{
    DeuxPostes postes;
    ASSERT_TRUE(postes.echanger(binaire_lent(), "a", 1, 50).complet);
    // "a" is 01100001: the start bit, then the ones of its code, then the nine ones of the end;
    // the start marker is more than 15 s old.
    EXPECT_EQ(sortes(postes.posteB.signaux), QStringList({"1", "11", "1", "111111111", "fin"}));
    // The report still has it, and leaves the end marker out.
    const Signaux& s = postes.posteB.signaux;
    const auto b = bilan_lent({s.derniere_reception_lente(), s.tensions(), postes.posteB.etat.message,
                               optolink::Codage::binaire, postes.posteB.etat.tensionseuil},
                              1, 0.0013, "b");
    ASSERT_TRUE(b);
    // "b" sent, "a" shown: 0x62 against 0x61, two bits of eight.
    ASSERT_TRUE(b->erreurs);
    EXPECT_EQ(b->erreurs->bits_faux, 2);
    EXPECT_DOUBLE_EQ(*b->erreurs->teb(), 0.25);
    EXPECT_EQ(b->bits, 9);
    EXPECT_NEAR(b->unite_s, 0.568, 0.05);
    EXPECT_NEAR(b->duree_s, emission_prevue(optolink::Codage::binaire, "a", 1, 0.0013).duree_s(), 0.1);
}

TEST(Signaux, LeDernierEnregistrementRapideEstGardeAvecSaLecture)
{
    DeuxPostes postes;
    Receptions receptions(postes.posteB);
    ASSERT_TRUE(postes.echanger(morse_rapide(), "sos", 1, 50).complet);
    const auto& trace = postes.posteB.signaux.dernier_enregistrement();
    ASSERT_TRUE(trace.has_value());
    EXPECT_EQ(trace->codage, CodageRapide::morse);
    EXPECT_EQ(trace->niveaux.size(), 6401u);
    EXPECT_EQ(trace->message, postes.posteB.etat.message);
    EXPECT_TRUE(trace->code.startsWith("... --- ..."));
    EXPECT_EQ(trace->lecture.caracteres.front().texte, "s");
    EXPECT_EQ(receptions.nombre, 1);
    // The report tells the line the download came through: at 9600 baud, samples of two or three
    // characters.
    const auto b = bilan(*trace);
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->bauds_ligne, 9600);
    EXPECT_GT(b->telechargement_s, 6400 * 2 * 10 / 9600.0);
    EXPECT_LT(b->telechargement_s, 6400 * 3 * 10 / 9600.0 + 0.1);
}
