#include "postes_virtuels/postes_simules.h"
#include "verifications.h"

#include "codages/recepteur_binaire.h"
#include "codages/recepteur_morse.h"

#include "impression.h"

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;

// The receivers driven by a scripted light at u = 2.5 s, where the thresholds (0.1 u = 0.25 s,
// 0.5 u = 1.25 s, 1.2 u = 3 s, 1.5 u = 3.75 s) and the scripted instants are exact in binary, so
// that pulses of exactly a threshold's length are measured as such.
namespace {
constexpr double u = 2.5;
const QString avis_binaire = " " + avis_silence;
} // namespace

TEST(RecepteurMorseLent, ImpulsionsAuxSeuilsExacts)
{
    PosteScripte b(optolink::Codage::morse, u);
    // Start marker; a blank; dots of exactly 0.1 u and 0.5 u; a blank; a pulse under 0.1 u
    // (ignored); a dash; a blank; an end marker of exactly 1.5 u.
    const double fin = b.signal(2, {4, 4, 0.25, 0.75, 1.25, 4, 0.125, 0.75, 1.5, 4, 3.75});
    b.recevoir(attentereceptionmorse, fin + 2);
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, ".. (i) - (t)  = it");
}

TEST(RecepteurMorseLent, UneLectureEgaleAuSeuilNEstNiLumiereNiObscurite)
{
    PosteScripte b(optolink::Codage::morse, u);
    // Equal before the start marker: no reception starts; equal for far longer than seven
    // silent periods inside the message: no silence is counted.
    b.lire_a(0.5, PosteScripte::seuil_v);
    b.lire_a(1.5, PosteScripte::noir_v);
    b.signal(2, {4});
    b.lire_a(6, PosteScripte::seuil_v);
    const double fin = b.signal(30, {0.25, 4, 3.75});
    b.poste.etat.tensionlue = PosteScripte::noir_v;
    b.recevoir(attentereceptionmorse, fin + 2);
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, ". (e)  = e");
}

TEST(RecepteurMorseLent, SeptSilencesFinissentLeMessage)
{
    PosteScripte six(optolink::Codage::morse, u);
    six.recevoir(attentereceptionmorse, six.signal(2, {4, 0.75, 0.25, 20.5, 3.75}) + 2);
    EXPECT_EQ(six.poste.fenetre.Texte2.Text, ". (e)  = e   ");

    // The end marker would start a reception of its own: the light stays off.
    PosteScripte sept(optolink::Codage::morse, u);
    sept.signal(2, {4, 0.75, 0.25});
    sept.recevoir(attentereceptionmorse, 40);
    EXPECT_EQ(sept.poste.fenetre.Texte2.Text, ". (e)  = e    " + avis_silence);
}

TEST(RecepteurMorseLent, UneLumiereDeMoinsDeUneSecondeEtDemieNeDemarreRien)
{
    verifier_sans_reception(optolink::Codage::morse, attentereceptionmorse, 1.25);
}

TEST(RecepteurBinaireLent, CreneauxDExactementUnDemiU)
{
    PosteScripte b(optolink::Codage::binaire, u);
    // "a" with slots of exactly 0.5 u, then the end marker: nine bits and 1 s more light.
    const double fin = b.signal(2, {4, 2, 1.25, 1.25, 2.5, 5, 1.25, 2.84, 12.25});
    b.recevoir(attentereceptionbinaire, fin + 2);
    EXPECT_EQ(b.poste.etat.chainebits, "101100001 111111111");
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, "a");
    EXPECT_EQ(b.poste.fenetre.Texte1.Text, " 01100001 (a) ");
}

TEST(RecepteurBinaireLent, ImpulsionCourteIgnoreeEtTrameCompleteeParDesZeros)
{
    PosteScripte b(optolink::Codage::binaire, u);
    // A pulse under 0.5 u, a silent u, then two bits of light and darkness for good.
    b.signal(2, {4, 2, 1.0, 3, 2.84});
    b.recevoir(attentereceptionbinaire, 60);
    EXPECT_EQ(b.poste.etat.chainebits, " 110000000       ");
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, " €" + avis_binaire);
    EXPECT_EQ(b.poste.fenetre.Texte1.Text, " ( )  10000000 (€) ");
}

TEST(RecepteurBinaireLent, UneLectureEgaleAuSeuilNeCompteNiBitNiSilence)
{
    PosteScripte b(optolink::Codage::binaire, u);
    b.signal(2, {4, 2, 2.84});
    b.lire_a(10.84, PosteScripte::seuil_v); // inside the frame: no zero counted
    b.lire_a(20.84, PosteScripte::noir_v);  // seven zeros, then four silent periods
    b.lire_a(40.84, PosteScripte::seuil_v); // between frames: no silence counted
    b.lire_a(70.84, PosteScripte::noir_v);  // three more silent periods end the message
    b.recevoir(attentereceptionbinaire, 90);
    EXPECT_EQ(b.poste.etat.chainebits, "110000000       ");
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, "€" + avis_binaire);
}

TEST(RecepteurBinaireLent, DixCaracteresOuMoinsDonnentUnMessageVide)
{
    PosteScripte b(optolink::Codage::binaire, u);
    b.signal(2, {4});
    b.recevoir(attentereceptionbinaire, 40);
    EXPECT_EQ(b.poste.etat.chainebits, "       ");
    EXPECT_EQ(b.poste.fenetre.Texte2.Text, avis_binaire);
    EXPECT_EQ(b.poste.fenetre.Texte1.Text, "");
}

TEST(RecepteurBinaireLent, UneLumiereDeMoinsDeTroisSecondesEtDemieNeDemarreRien)
{
    verifier_sans_reception(optolink::Codage::binaire, attentereceptionbinaire, 3.25);
}
