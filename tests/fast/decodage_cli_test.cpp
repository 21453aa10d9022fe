#include "decodage/decodage_cli.h"

#include "codages/abreviations.h"
#include "liaison/interface.h"
#include "synthese.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace optolink;

namespace {

struct Sortie {
    int statut;
    QString sortie;
    QString erreurs;
    QStringList lignes() const { return sortie.split(u'\n', Qt::SkipEmptyParts); }
};

Sortie lancer(const QStringList& arguments)
{
    Sortie s;
    QTextStream sortie(&s.sortie);
    QTextStream erreurs(&s.erreurs);
    s.statut = decoder_fichiers(QStringList{"optolink-decode"} + arguments, sortie, erreurs);
    return s;
}

class Ligne : public testing::Test {
protected:
    QTemporaryDir dossier;
    QString morse = synthese::fichier_rrr(dossier.path(), "sos.rrr", synthese::emission_morse("sos").echantillons(6400));
    QString binaire = synthese::fichier_rrr(dossier.path(), "ca.rrr", synthese::emission_binaire("Ça va").echantillons(6400));
};

} // namespace

TEST_F(Ligne, UnMessageParFichier)
{
    const Sortie s = lancer({"--morse", morse, morse});
    EXPECT_EQ(s.statut, 0);
    ASSERT_EQ(s.lignes().size(), 2);
    EXPECT_EQ(synthese::sans_blancs_de_fin(s.lignes()[0]), "sos");
    EXPECT_TRUE(s.erreurs.isEmpty());
    const Sortie b = lancer({"--binaire", binaire});
    EXPECT_EQ(synthese::sans_blancs_de_fin(b.sortie.trimmed()), "Ça va");
}

TEST_F(Ligne, JsonUnObjetParFichier)
{
    const Sortie s = lancer({"--json", "--binaire", binaire});
    ASSERT_EQ(s.lignes().size(), 1);
    const QJsonObject o = QJsonDocument::fromJson(s.lignes()[0].toUtf8()).object();
    EXPECT_EQ(o.value("file").toString(), binaire);
    EXPECT_TRUE(o.value("message").toString().startsWith("Ça va"));
    EXPECT_TRUE(o.value("code").toString().startsWith(synthese::trames("Ça va")));
    EXPECT_TRUE(o.value("texte1").toString().startsWith("111000111 (Ç) "));
    const QJsonObject m = QJsonDocument::fromJson(lancer({"--morse", "--json", morse}).sortie.toUtf8()).object();
    EXPECT_EQ(m.value("texte1").toString(), "code morse reçu : ... (s) --- (o) ... (s) ");
    EXPECT_TRUE(m.value("code").toString().startsWith("... --- ... "));
}

// "Ça va" received where "Ca va" was sent: Ç C7 against C 43, two bits of forty.
TEST_F(Ligne, AttenduLesErreursEtLesNiveaux)
{
    const Sortie t = lancer({"--binaire", "--attendu", "Ca va", binaire});
    ASSERT_EQ(t.lignes().size(), 1);
    EXPECT_TRUE(t.lignes()[0].endsWith("\tcaractères faux 1/5 · bits faux 2/40 · TEB 0,0500")) << t.sortie.toStdString();

    const QString csv = dossier.filePath("ca.csv");
    const Sortie s = lancer({"--json", "--binaire", "--attendu", "Ca va", "--csv", csv, binaire});
    EXPECT_EQ(s.statut, 0);
    const QJsonObject b = QJsonDocument::fromJson(s.sortie.toUtf8()).object().value("bilan").toObject();
    const QJsonObject e = b.value("erreurs").toObject();
    EXPECT_EQ(e.value("caracteres_envoyes").toInt(), 5);
    EXPECT_EQ(e.value("caracteres_faux").toInt(), 1);
    EXPECT_EQ(e.value("bits_envoyes").toInt(), 40);
    EXPECT_EQ(e.value("bits_faux").toInt(), 2);
    EXPECT_DOUBLE_EQ(e.value("teb").toDouble(), 0.05);
    const QJsonObject n = b.value("niveaux").toObject();
    EXPECT_NEAR(n.value("haut_v").toDouble(), volts(60), volts(2));
    EXPECT_NEAR(n.value("bas_v").toDouble(), volts(3), volts(2));
    EXPECT_DOUBLE_EQ(n.value("ecart_v").toDouble(), n.value("haut_v").toDouble() - n.value("bas_v").toDouble());
    EXPECT_TRUE(n.contains("marge_v"));
    QFile tableau(csv);
    ASSERT_TRUE(tableau.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(tableau.readAll());
    EXPECT_TRUE(texte.contains("\r\n\r\ngrandeur;valeur\r\n"));
    EXPECT_TRUE(texte.contains("\r\nbits_faux;\"2\"\r\nteb;\"0,050000\"\r\n"));

    // Morse has no bits; the key "bilan" comes with the comparison alone.
    const QJsonObject m = QJsonDocument::fromJson(lancer({"--json", "--morse", "--attendu", "SOS", morse}).sortie.toUtf8())
                              .object()
                              .value("bilan")
                              .toObject();
    EXPECT_EQ(m.value("erreurs").toObject(), (QJsonObject{{"caracteres_envoyes", 3}, {"caracteres_faux", 0}}));
    EXPECT_GT(m.value("mots_minute").toDouble(), 0);
    EXPECT_EQ(lancer({"--binaire", "--attendu", "  ", binaire}).statut, 2);
}

TEST_F(Ligne, LeDecodageEnDirectDevelopeLesAbreviations)
{
    const QString e3 = synthese::fichier_rrr(dossier.path(), "e3.rrr",
                                             synthese::emission_morse(abreviation(3).texte).echantillons(6400));
    EXPECT_EQ(lancer({"--morse", "--live", "0.73", e3}).sortie, abreviation(3).phrase + "\n");
    EXPECT_TRUE(lancer({"--morse", e3}).sortie.startsWith("e3 "));
    EXPECT_EQ(synthese::sans_blancs_de_fin(lancer({"--binaire", "--live", "0.73", binaire}).sortie.trimmed()),
              "Ça va");
}

TEST_F(Ligne, UnFichierIlisibleEstSignaleEtLesAutresDecodes)
{
    const QString absent = QDir(dossier.path()).filePath("absent.rrr");
    const Sortie s = lancer({"--morse", absent, morse, dossier.path()});
    EXPECT_NE(s.statut, 0);
    EXPECT_TRUE(s.erreurs.contains(absent));
    EXPECT_TRUE(s.erreurs.contains(dossier.path()));
    ASSERT_EQ(s.lignes().size(), 1);
    EXPECT_TRUE(s.lignes()[0].startsWith("sos"));
}

TEST_F(Ligne, ContenuMalformeSansErreur)
{
    const QString vide = QDir(dossier.path()).filePath("vide.rrr");
    QFile(vide).open(QIODevice::WriteOnly);
    const Sortie s = lancer({"--json", "--binaire", "--live", "1", vide});
    EXPECT_EQ(s.statut, 0);
    EXPECT_EQ(QJsonDocument::fromJson(s.sortie.toUtf8()).object().value("message").toString(), "");
}

TEST(LigneDeCommande, UsageEtAide)
{
    const Sortie aide = lancer({"--help"});
    EXPECT_EQ(aide.statut, 0);
    EXPECT_TRUE(aide.sortie.contains("--binaire"));
    EXPECT_TRUE(aide.sortie.contains("enregistrements"));
    EXPECT_EQ(lancer({"f.rrr"}).statut, 2);
    EXPECT_EQ(lancer({"--morse", "--binaire", "f.rrr"}).statut, 2);
    EXPECT_EQ(lancer({"--morse"}).statut, 2);
    EXPECT_EQ(lancer({"--morse", "--live", "beaucoup", "f.rrr"}).statut, 2);
    const Sortie inconnue = lancer({"--morse", "--vite", "f.rrr"});
    EXPECT_EQ(inconnue.statut, 2);
    EXPECT_TRUE(inconnue.erreurs.contains("--help"));
}
