#include "fichiers/csv.h"
#include "fichiers/rrr.h"

#include "liaison/nombres.h"
#include "rapide/decoupeur_mesures.h"
#include "rapide/echantillons_fichier.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace optolink;

namespace {

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

const QByteArray entete_attendu =
    "EVARISTE REGRESSI 2.0\r\n\r\n n R\r\n\r\n\r\n\xFB" "2 EXPR VARIABLE\r\n\r\n\r\n\xFB"
    "2 INCERT VARIABLE\r\n\r\n\r\n\xFB" "2 UNITE VARIABLE \r\n\r\n\r\n\xFB" "17 CFG\r\nn\r\nR\r\nn\r\n\r\n\r\n"
    "FALSE\r\nFALSE\r\nFALSE\r\n0\r\n1\r\nTRUE\r\nTRUE\r\nFALSE\r\nRAD\r\n2\r\nFALSE\r\nFALSE\r\n\xFB"
    "1 INTERFACE \r\nClavier  \r\n\x7F\r\n";

class FichierRrr : public testing::Test {
protected:
    QTemporaryDir dossier;
    QString chemin = QDir(dossier.path()).filePath("signal.rrr");
    std::vector<Mesure> tabmesures = std::vector<Mesure>(12802, sans_mesure);
};

} // namespace

TEST_F(FichierRrr, EnteteOctetPourOctetEtLignesDeDonnees)
{
    tabmesures[0] = 37;
    tabmesures[1] = 9;
    tabmesures[12800] = 5;
    ASSERT_TRUE(ecrire_fichier_rrr(chemin, tabmesures, 6400).reussie);
    const QByteArray texte = lire(chemin);
    ASSERT_TRUE(texte.startsWith(entete_attendu));
    const QList<QByteArray> lignes = texte.sliced(entete_attendu.size()).split('\n');
    EXPECT_EQ(lignes.size(), 6401 + 1); // the last line end leaves an empty piece
    EXPECT_EQ(lignes[0], "  0  37 \r");
    EXPECT_EQ(lignes[1], "  1  9 \r");
    EXPECT_EQ(lignes[6399], "  6399  \r");
    EXPECT_EQ(texte.count("\r\n"), 6436);
    EXPECT_EQ(texte.count('\n'), 6436);

    ASSERT_TRUE(ecrire_fichier_rrr(chemin, tabmesures, 12800).reussie); // replaces the file
    const QByteArray long_ = lire(chemin);
    EXPECT_EQ(long_.count("\r\n"), 12836);
    EXPECT_TRUE(long_.endsWith("  12800  5 \r\n"));
}

TEST_F(FichierRrr, AllerRetour)
{
    for (std::size_t k = 0; k <= 6400; ++k)
        tabmesures[k] = static_cast<Mesure>((k * 37) % 100);
    ASSERT_TRUE(ecrire_fichier_rrr(chemin, tabmesures, 6400).reussie);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    LecteurRrr lecteur(f);
    lecteur.sauter(lignes_entete_rrr);
    for (std::size_t k = 0; k <= 6400; ++k)
        ASSERT_EQ(lecteur.valeur_suivante(), static_cast<int>((k * 37) % 100)) << k;
    EXPECT_TRUE(lecteur.fin());
    EXPECT_EQ(lecteur.valeur_suivante(), 0);
}

TEST_F(FichierRrr, PremierSeuilDuDeuxiemeEchantillon)
{
    tabmesures[1] = 9;
    ASSERT_TRUE(ecrire_fichier_rrr(chemin, tabmesures, 6400).reussie);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(EchantillonsFichier(niveaux_rrr(f)).premier_seuil(), 16);

    // Line 37 as a hand-edited file may hold it: no blank after the index reads as 0, blanks
    // inside the number are ignored.
    const struct {
        const char* ligne37;
        int seuil;
    } cas[] = {{"1", 7}, {" 1", 7}, {" 1  1 2 ", 19}, {" 1  9 ", 16}};
    for (const auto& c : cas) {
        QByteArray texte = entete_attendu + " 0  3 \r\n" + c.ligne37 + "\r\n";
        QBuffer tampon(&texte);
        ASSERT_TRUE(tampon.open(QIODevice::ReadOnly));
        EXPECT_EQ(EchantillonsFichier(niveaux_rrr(tampon)).premier_seuil(), c.seuil) << c.ligne37;
    }
}

// What the line may say in a sample's place, stored as a number, comes out of the file as the text
// of that number, and reads back as the decoders read it.
TEST_F(FichierRrr, LesReponsesEtrangesDuTelechargement)
{
    const std::vector<Mesure> recues = DecoupeurMesures().octets("7,-1,.5,.7,-.,5a,\xff,\r2,");
    std::copy(recues.begin(), recues.end(), tabmesures.begin());
    ASSERT_TRUE(ecrire_fichier_rrr(chemin, tabmesures, 9).reussie);
    const QList<QByteArray> lignes = lire(chemin).sliced(entete_attendu.size()).split('\n');
    const QByteArrayList attendues = {"  0  7 \r", "  1 -1 \r",  "  2  0.5 \r", "  3  0.7 \r", "  4  0 \r",
                                      "  5  5 \r", "  6  0 \r", "  7  0 \r",   "  8  \r",     "  9  \r"};
    EXPECT_EQ(lignes.first(attendues.size()), attendues);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(niveaux_rrr(f), (std::vector<int>{7, -1, 0, 1, 0, 5, 0, 0, 0, 0}));
}

TEST_F(FichierRrr, CheminVideEtEcritureImpossible)
{
    EXPECT_TRUE(ecrire_fichier_rrr("", tabmesures, 6400).reussie);
    const QString impossible = QDir(dossier.path()).filePath("absent/signal.rrr");
    const EcritureRrr e = ecrire_fichier_rrr(impossible, tabmesures, 6400);
    EXPECT_FALSE(e.reussie);
    EXPECT_TRUE(e.raison.contains(impossible));
    EXPECT_FALSE(QFile::exists(impossible));
}

TEST(ValeurLigne, RegleDeLecture)
{
    EXPECT_EQ(valeur_ligne("  5  "), 0);
    EXPECT_EQ(valeur_ligne("  5  37 "), 37);
    EXPECT_EQ(valeur_ligne("  5  3 7 "), 37);
    EXPECT_EQ(valeur_ligne("  5"), 0);
    EXPECT_EQ(valeur_ligne(""), 0);
    EXPECT_EQ(valeur_ligne("5 2.5"), 2);
    EXPECT_EQ(valeur_ligne("5 3.5"), 4);
    EXPECT_EQ(valeur_ligne("5 abc"), 0);
    EXPECT_EQ(valeur_ligne("\t5\t12"), 12);
    EXPECT_EQ(valeur_ligne("5 -3"), -3);
    EXPECT_EQ(valeur_ligne("5 1e999999999999999999999999"), 1);
    EXPECT_EQ(valeur_ligne("5 99999999999999999999999999999999999"), 32767);
}

TEST(LecteurRrr, FinsDeLigneEtFinDeFichier)
{
    QByteArray texte = "a 1\r\nb 2\nc 3";
    QBuffer tampon(&texte);
    tampon.open(QIODevice::ReadOnly);
    LecteurRrr lecteur(tampon);
    EXPECT_EQ(lecteur.valeur_suivante(), 1);
    EXPECT_EQ(lecteur.valeur_suivante(), 2);
    EXPECT_FALSE(lecteur.fin());
    EXPECT_EQ(lecteur.valeur_suivante(), 3);
    EXPECT_TRUE(lecteur.fin());
    lecteur.sauter(10);
    EXPECT_EQ(lecteur.ligne(), "");
}

// The spreadsheet's table reads back: its mark, the header, one line per sample with a decimal comma.
TEST(Csv, UneLigneParEchantillonAvecLaVirguleDecimale)
{
    const QTemporaryDir dossier;
    const QString chemin = dossier.filePath("signal.csv");
    ASSERT_EQ(ecrire_csv(chemin, std::vector<int>{0, 51, 255}, 0.0013), "");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    ASSERT_TRUE(texte.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(texte.mid(3)).split(QStringLiteral("\r\n")),
              (QStringList{"échantillon;t (s);U (V)", R"(0;"0,0000";"0,000")", R"(1;"0,0013";"4,000")",
                           R"(2;"0,0026";"20,000")", ""}));
    EXPECT_NE(ecrire_csv(dossier.filePath("absent/signal.csv"), std::vector<int>{1}, 0.0013), "");
}
