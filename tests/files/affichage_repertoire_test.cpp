#include "fichiers/affichage_repertoire.h"

#include "tests/fast/synthese.h"

#include <gtest/gtest.h>

using namespace optolink;

namespace {

// Ten pixels a character: the widths below are counted on the paths' lengths.
int dix_par_caractere(const QString& texte) { return static_cast<int>(texte.size()) * 10; }

QString affiche(const QString& chemin, int largeur, QChar separateur = u'\\')
{
    return repertoire_affiche(chemin, largeur, dix_par_caractere, separateur);
}

const QString chemin = "C:\\mesures\\tp1\\groupe2\\essai"; // 28 characters: 280 pixels

} // namespace

TEST(RepertoireAffiche, UnCheminPlusEtroitQueLEtiquetteResteEntier)
{
    EXPECT_EQ(affiche(chemin, 281), chemin);
    EXPECT_EQ(affiche("C:\\", 20), "C:\\");
    EXPECT_EQ(affiche("C:\\un_seul_dossier_tres_long", 50), "C:\\un_seul_dossier_tres_long");
}

TEST(RepertoireAffiche, TeteTroisPointsEtLesDossiersLesPlusProfondsQuiTiennent)
{
    // As wide as the label: shortened. The head "C:\" takes 30, the tail must stay below the rest.
    EXPECT_EQ(affiche(chemin, 280), "C:\\...\\tp1\\groupe2\\essai");
    EXPECT_EQ(affiche(chemin, 211), "C:\\...\\tp1\\groupe2\\essai"); // tail 180 < 181
    EXPECT_EQ(affiche(chemin, 210), "C:\\...\\groupe2\\essai");      // tail 180 is not below 180
    EXPECT_EQ(affiche(chemin, 171), "C:\\...\\groupe2\\essai");
    EXPECT_EQ(affiche(chemin, 170), "C:\\...\\essai");
    EXPECT_EQ(affiche(chemin, 10), "C:\\...\\essai"); // the last directory stays, whatever its width
}

TEST(RepertoireAffiche, CheminLinux)
{
    EXPECT_EQ(affiche("/home/eleve/mesures/tp1", 150, u'/'), "/.../mesures/tp1");
    EXPECT_EQ(affiche("/home/eleve/mesures/tp1", 231, u'/'), "/home/eleve/mesures/tp1");
    EXPECT_EQ(affiche("/home/eleve/mesures/tp1", 40, u'/'), "/.../tp1");
    EXPECT_EQ(affiche("/home", 10, u'/'), "/home");
}
