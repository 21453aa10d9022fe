#include "poste/etat.h"
#include "programme/capacite.h"
#include "analyse/bilan.h"
#include "rapide/trace_reception.h"

#include "tests/fast/synthese.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace optolink;

namespace {

// A recording of exact runs at a speed, decoded from a file as the signal window does.
Trace lire(const synthese::Signal& signal, CodageRapide codage, double periode_s)
{
    const QTemporaryDir dossier;
    QFile fichier(synthese::fichier_rrr(dossier.path(), "signal.rrr", signal.echantillons(6400, {0, 99, 0})));
    fichier.open(QIODevice::ReadOnly);
    return trace_fichier(fichier, codage, periode_s);
}

struct Vitesse {
    double periode_s;
    int unite; // samples of a bit or of a Morse dot
};
constexpr Vitesse vitesses[] = {{0.0013, 54}, {0.0008, 44}, {0.0005, 47}};

} // namespace

// The unit is the bit or the dot the signal was made of; the duration runs from the first
// calibration pulse to the last run of the last character; the rates follow from both.
TEST(Bilan, UniteDureeEtDebitsALaPrecisionDUnEchantillon)
{
    for (const Vitesse v : vitesses) {
        const Trace b = lire(synthese::signal_binaire(synthese::trames("aa "), v.unite), CodageRapide::binaire, v.periode_s);
        ASSERT_EQ(b.message.trimmed(), "aa");
        const auto bb = bilan(b);
        ASSERT_TRUE(bb);
        EXPECT_EQ(bb->caracteres, 2);
        EXPECT_EQ(bb->bits, 18);
        // Three pulses and their gaps (5 bits), the pause (2), a frame and its pause (11), a frame
        // whose last bit is lit (9).
        EXPECT_NEAR(bb->duree_s, 27 * v.unite * v.periode_s, v.periode_s);
        EXPECT_NEAR(bb->unite_s, v.unite * v.periode_s, 1e-9);
        EXPECT_NEAR(bb->debit_bauds, 1 / (v.unite * v.periode_s), 1e-6);
        EXPECT_NEAR(bb->debit_caracteres_s, 2 / bb->duree_s, 1e-9);
        EXPECT_NEAR(bb->debit_bits_s, 16 / bb->duree_s, 1e-9);

        const Trace m = lire(synthese::signal_morse("... --- ", v.unite, 3 * v.unite), CodageRapide::morse, v.periode_s);
        ASSERT_EQ(m.message.trimmed(), "so");
        const auto bm = bilan(m);
        ASSERT_TRUE(bm);
        EXPECT_EQ(bm->elements, 6);
        EXPECT_EQ(bm->points, 3);
        EXPECT_NEAR(bm->unite_s, v.unite * v.periode_s, 1e-9);
        // The letter c and its dash-long gap (14 dots), "... " (10), "---" to its last light (11).
        EXPECT_NEAR(bm->duree_s, 35 * v.unite * v.periode_s, v.periode_s);
    }
    EXPECT_FALSE(bilan(Trace{}));
}

// The same message on the four codings: slow ones count whole seconds of markers, fast binary a
// bit of whole sampling periods.
TEST(Bilan, LesQuatreCodagesEnTheorie)
{
    // From the start marker to the light of the dot.
    EXPECT_NEAR(emission_prevue(Codage::morse, "e", 1, 0.0013).duree_s(), 5 + 0.3, 1e-9);
    // From the start marker to the end of the second frame: a frame and its dark slot, a blank.
    EXPECT_NEAR(emission_prevue(Codage::binaire, "a a", 0.5, 0.0008).duree_s(), 6.816 + 20 * 0.284, 1e-9);
    // From the letter c: its 14 dots, a dash, the dark after it and after the letter (1 + 4), a dash.
    const EmissionPrevue mr = emission_prevue(Codage::morse_rapide, "tt", 1, 0.0013);
    EXPECT_NEAR(mr.duree_s(), (14 + 3 + 5 + 3) * 0.05, 1e-9);
    EXPECT_NEAR(mr.fins_s.front(), 1.35 + 17 * 0.05, 1e-9);
    // From the three pulses: 7 bits, a frame and its pause (11), a frame (9).
    const EmissionPrevue br = emission_prevue(Codage::binaire_rapide, "ab", 1, 0.0013);
    EXPECT_NEAR(br.unite_s, 54 * 0.0013, 1e-12);
    EXPECT_NEAR(br.duree_s(), 27 * 54 * 0.0013, 1e-9);
    EXPECT_NEAR(br.debit_bauds(), 1 / 0.0702, 1e-9);
}

// A teacher sees before sending how much of the message the recording holds.
TEST(Bilan, CeQueTientLEnregistrement)
{
    Etat e;
    e.typecodage = Codage::binaire_rapide;
    EXPECT_EQ(capacite_enregistrement(e, QStringLiteral("Rendez-vous à 14 h")),
              "Ce message dure 13,7 s sur le faisceau ; l'enregistrement de 8,3 s n'en reçoit que les 8 premiers "
              "caractères sur 18.");
    EXPECT_EQ(capacite_enregistrement(e, QStringLiteral("ok")),
              "Ce message dure 3,2 s sur le faisceau ; l'enregistrement de 8,3 s le reçoit en entier.");
    e.nbmesuresmax = 12800;
    EXPECT_TRUE(capacite_enregistrement(e, QStringLiteral("Rendez-vous à 14 h")).endsWith("le reçoit en entier."));
    e.typecodage = Codage::morse;
    EXPECT_EQ(capacite_enregistrement(e, QStringLiteral("sos")), "");
}
