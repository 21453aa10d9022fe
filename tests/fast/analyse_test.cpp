#include "analyse/attenuation.h"
#include "analyse/bilan.h"
#include "analyse/comparaison.h"
#include "codages/abreviations.h"
#include "rapide/trace_reception.h"

#include "tests/fast/synthese.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace optolink;

namespace {

struct CasComparaison {
    const char* nom;
    QString envoye;
    QString recu;
    bool binaire;
    int caracteres_faux;
    int bits_faux; // binary only
    std::vector<int> recus_faux;
    std::vector<int> manquants;
};

} // namespace

TEST(Comparaison, CasExacts)
{
    const QString phrase_e1 = abreviation(1).phrase.trimmed();
    const CasComparaison cas[] = {
        {"identiques", "bonjour", "bonjour", true, 0, 0, {}, {}},
        {"un bit inverse, j (6A) lu k (6B)", "bonjour", "bonkour", true, 1, 1, {3}, {}},
        {"un caractere manquant", "bonjour", "bonour", true, 1, 8, {}, {3}},
        {"un caractere en trop", "salut", "saalut", true, 1, 8, {1}, {}},
        {"reception vide", "abc", "", true, 3, 24, {}, {0, 0, 0}},
        {"rien d'envoye", "", "ab", true, 2, 16, {0, 1}, {}},
        // é E9 against e 65 differ in 3 bits, à E0 against a 61 in 2.
        {"accents", "été à", "ete a", true, 3, 8, {0, 2, 4}, {}},
        {"le code 1252 de l'euro (80) lu E (45)", "5 €", "5 E", true, 1, 4, {2}, {}},
        {"blancs aux deux bouts laisses", "abc  ", "   abc ", true, 0, 0, {}, {}},
        // The alignment with fewest wrong bits: "ab" lost its b rather than a replaced by b.
        {"l'alignement le moins cher", "ab", "b", true, 1, 8, {}, {0}},
        // Cut short, the message misses its end, not a middle that the end would match as well.
        {"message coupe", "la classe", "la", true, 7, 56, {}, {2, 2, 2, 2, 2, 2, 2}},
        {"morse : la casse ne compte pas", "SOS", "sos", false, 0, 0, {}, {}},
        {"morse : un caractere remplace", "sos", "sis", false, 1, 0, {1}, {}},
        {"abreviation envoyee, phrase montree", "e1", phrase_e1, true, 0, 0, {}, {}},
        {"message type en entier", abreviation(2).texte, abreviation(2).phrase.trimmed(), false, 0, 0, {}, {}},
    };
    for (const CasComparaison& c : cas) {
        SCOPED_TRACE(c.nom);
        const Erreurs e = comparer(c.envoye, texte_recu(c.recu), c.binaire);
        EXPECT_EQ(e.caracteres_envoyes, texte_envoye(c.envoye).size());
        EXPECT_EQ(e.caracteres_faux, c.caracteres_faux);
        EXPECT_EQ(e.recus_faux, c.recus_faux);
        EXPECT_EQ(e.manquants, c.manquants);
        if (c.binaire) {
            EXPECT_EQ(e.bits_envoyes, 8 * e.caracteres_envoyes);
            EXPECT_EQ(e.bits_faux, c.bits_faux);
        } else {
            EXPECT_FALSE(e.bits_faux);
            EXPECT_FALSE(e.teb());
        }
    }
    EXPECT_EQ(texte_envoye("e1"), phrase_e1);
    EXPECT_DOUBLE_EQ(*comparer("bonjour", "bonkour", true).teb(), 1.0 / 56);
    EXPECT_DOUBLE_EQ(*comparer("abc", "", true).teb(), 1);
    EXPECT_DOUBLE_EQ(*comparer("abcd", "abd", false).taux_caracteres(), 0.25);
    EXPECT_FALSE(comparer("", "ab", true).teb());
}

namespace {

Trace lire(const synthese::Signal& signal, CodageRapide codage, const synthese::Niveaux& niveaux)
{
    const QTemporaryDir dossier;
    QFile fichier(synthese::fichier_rrr(dossier.path(), "signal.rrr", signal.echantillons(6400, niveaux)));
    fichier.open(QIODevice::ReadOnly);
    return trace_fichier(fichier, codage, 0.0013);
}

} // namespace

// Recordings of known levels and known wrong bits, read by the file decoder: the levels are the raw
// levels in volts, the threshold the one it learnt, the TEB the bits flipped over the bits sent.
TEST(Comparaison, NiveauxEtTebDEnregistrementsDeSynthese)
{
    struct Cas {
        synthese::Niveaux niveaux;
        bool faible;
    };
    for (const Cas c : {Cas{{3, 60, 0}, false}, Cas{{30, 60, 0}, false}}) {
        // "ac" received where "ab" was sent: c 63 and b 62 differ in one bit of 16.
        const Trace t = lire(synthese::signal_binaire(synthese::trames("ac "), 54), CodageRapide::binaire, c.niveaux);
        ASSERT_EQ(t.message.trimmed(), "ac");
        const auto b = bilan(t, "ab");
        ASSERT_TRUE(b && b->niveaux && b->erreurs);
        EXPECT_DOUBLE_EQ(b->niveaux->haut_v, volts(c.niveaux.allume));
        EXPECT_DOUBLE_EQ(b->niveaux->bas_v, volts(c.niveaux.sombre));
        EXPECT_DOUBLE_EQ(b->niveaux->seuil_v, volts(t.lecture.seuil));
        EXPECT_EQ(b->niveaux->faible(), c.faible);
        EXPECT_EQ(b->erreurs->bits_faux, 1);
        EXPECT_EQ(b->erreurs->bits_envoyes, 16);
        EXPECT_DOUBLE_EQ(*b->erreurs->teb(), 1.0 / 16);
        const auto faux = caracteres_lus_faux(t, *b->erreurs);
        ASSERT_EQ(faux.size(), 1u);
        EXPECT_EQ(t.lecture.caracteres[std::size_t(faux[0])].texte, "c");
        std::printf("binaire, niveaux bruts %d/%d : haut %.3f V, bas %.3f V, écart %.3f V, marge %.3f V, TEB %.4f\n",
                    c.niveaux.sombre, c.niveaux.allume, b->niveaux->haut_v, b->niveaux->bas_v, b->niveaux->ecart_v(),
                    b->niveaux->marge_v(), *b->erreurs->teb());
    }
    // The notice: either level closer to the threshold than a quarter of their difference, at most 0.25 V.
    const std::pair<Niveaux, bool> avis[] = {
        {{4, 0.2, 0.4}, true},    {{4, 0.2, 0.5}, false},   // the dark 0.2 V, then 0.3 V below the threshold
        {{1, 0.2, 0.9}, true},                              // the light 0.1 V above it
        {{0.6, 0.2, 0.4}, false}, {{0.6, 0.2, 0.28}, true}, // 0.4 V apart: a quarter is 0.1 V
    };
    for (const auto& [n, faible] : avis)
        EXPECT_EQ(n.faible(), faible) << n.bas_v << " " << n.seuil_v << " " << n.haut_v;
    // Morse at a 54-sample dot of 1.3 ms: 70 ms, 17 words per minute; "so" read, "sos" sent.
    const Trace m = lire(synthese::signal_morse("... --- ", 54, 162), CodageRapide::morse, {3, 60, 0});
    const auto bm = bilan(m, "sos");
    ASSERT_TRUE(bm && bm->erreurs && bm->niveaux);
    EXPECT_NEAR(bm->mots_minute, 1.2 / (54 * 0.0013), 1e-9);
    EXPECT_EQ(bm->erreurs->caracteres_faux, 1);
    EXPECT_DOUBLE_EQ(*bm->erreurs->taux_caracteres(), 1.0 / 3);
    EXPECT_FALSE(bm->erreurs->teb());
    EXPECT_DOUBLE_EQ(bm->niveaux->haut_v, volts(60));
    std::printf("morse : %.2f mots/min, taux d'erreurs caractères %.3f\n", bm->mots_minute,
                *bm->erreurs->taux_caracteres());
}

TEST(Attenuation, EtiquettesTableauEtAjustement)
{
    EXPECT_EQ(distance_etiquette("1,5 m"), 1.5);
    EXPECT_EQ(distance_etiquette(" 1.5m "), 1.5);
    EXPECT_EQ(distance_etiquette("150 cm"), 1.5);
    EXPECT_EQ(distance_etiquette("30 mm"), 0.03);
    EXPECT_EQ(distance_etiquette("2"), 2);
    EXPECT_FALSE(distance_etiquette("2 feuilles"));
    EXPECT_FALSE(distance_etiquette(""));
    EXPECT_FALSE(distance_etiquette("-1 m"));

    // ΔU halves every metre: 3.0103 dB/m exactly, through 0 at the first row.
    const std::vector<ReleveLumiere> releves{{"0,5 m", 4.2, 0.2},
                                             {"1,5 m", 2.2, 0.2},
                                             {"2,5 m", 1.2, 0.2},
                                             {"2 feuilles", 0.5, 0.2},
                                             {"3,5 m", 0.3, std::nullopt}};
    const auto lignes = lignes_lumiere(releves);
    ASSERT_EQ(lignes.size(), 5u);
    EXPECT_DOUBLE_EQ(*lignes[0].ecart_v, 4);
    EXPECT_DOUBLE_EQ(*lignes[0].attenuation_db, 0);
    EXPECT_NEAR(*lignes[2].attenuation_db, 20 * std::log10(2), 1e-12);
    EXPECT_FALSE(lignes[3].distance_m);
    EXPECT_NEAR(*lignes[3].attenuation_db, 10 * std::log10(4 / 0.3), 1e-12);
    EXPECT_FALSE(lignes[4].ecart_v);
    const auto a = ajuster_attenuation(lignes);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->points, 3);
    EXPECT_NEAR(a->alpha_db_m, 10 * std::log10(2), 1e-12);
    EXPECT_NEAR(a->origine_db, -5 * std::log10(2), 1e-12);
    EXPECT_FALSE(ajuster_attenuation(std::span(lignes).first(1)));

    // Noting: a row per label, lit and dark in either order; the mean of the last second's readings.
    std::vector<ReleveLumiere> notes;
    noter_releve(notes, " 1 m", 2.5, true);
    noter_releve(notes, "1 m", 0.2, false);
    noter_releve(notes, "2 m", 0.3, false);
    noter_releve(notes, "2 m", 1.4, true);
    noter_releve(notes, "2 m", 1.5, true);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].etiquette, "1 m");
    EXPECT_EQ(notes[0].allume_v, 2.5);
    EXPECT_EQ(notes[0].eteint_v, 0.2);
    EXPECT_EQ(notes[1].allume_v, 1.5);
    EXPECT_EQ(notes[1].eteint_v, 0.3);
    const std::deque<TensionLue> lues{{0.0, 9}, {0.5, 1}, {1.0, 2}, {1.4, 3}};
    EXPECT_DOUBLE_EQ(*moyenne_recente(lues, 1.0), 2);
    EXPECT_FALSE(moyenne_recente({}, 1.0));

    const QByteArray octets = csv_lumiere(lignes, a);
    EXPECT_TRUE(octets.startsWith("\xEF\xBB\xBF"));
    const QString csv = QString::fromUtf8(octets.mid(3));
    EXPECT_TRUE(csv.startsWith(QStringLiteral("position;distance (m);U allumé (V);U éteint (V);ΔU (V);A (dB)\r\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("\"1,5 m\";\"1,500\";\"2,200\";\"0,200\";\"2,000\";\"3,01\"\r\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("\"3,5 m\";\"3,500\";\"0,300\";;;\r\n")));
    EXPECT_TRUE(csv.endsWith(QStringLiteral("α (dB/m);\"3,010\";A₀ (dB);\"-1,51\"\r\n")));
}
