#include "fichiers/contenu_repertoire.h"
#include "fichiers/lieux.h"
#include "fichiers/noms.h"

#include "tests/fast/synthese.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace optolink;

TEST(NomValide, LesExemplesEtLaGrammaire)
{
    for (const char* nom : {"*.rrr", "ESSAI", "essai.rrr", "a?.*", "essai.", "mesure1", "*.txt", "a*.rrr",
                            "*", "a.", "x.*", "A'-_#~@9"})
        EXPECT_TRUE(nom_valide(nom)) << nom;
    for (const char* nom : {"", ".rrr", "es sai.rrr", "été.rrr", "a.b.rrr", "**", "a*b", "a.*x", "a.r*r",
                            "*a", "dossier/essai", "dossier\\essai", "essai,rrr", "a.**", "straße", "ß.rrr",
                            "essai.ß", "ﬁchier"})
        EXPECT_FALSE(nom_valide(nom)) << nom;
}

TEST(NomValide, UnDollarApresLePremierCaractereFinitLExamen)
{
    EXPECT_TRUE(nom_valide("a$ b"));
    EXPECT_TRUE(nom_valide("essai.rrr$.x.y"));
    EXPECT_TRUE(nom_valide("*$**"));
    EXPECT_FALSE(nom_valide("$"));
    EXPECT_FALSE(nom_valide("$essai"));
    EXPECT_FALSE(nom_valide("a b$"));
}

TEST(NomValide, JokersEtCheminComplet)
{
    EXPECT_TRUE(contient_joker("*.rrr"));
    EXPECT_TRUE(contient_joker("essai?"));
    EXPECT_FALSE(contient_joker("mesure1"));
    EXPECT_EQ(chemin_complet("C:\\essais", "mesure1", u'\\'), "C:\\essais\\mesure1");
    EXPECT_EQ(chemin_complet("C:\\", "mesure1", u'\\'), "C:\\mesure1");
    EXPECT_EQ(chemin_complet("/", "mesure1", u'/'), "/mesure1");
    EXPECT_EQ(chemin_complet("/home/eleve", "mesure1", u'/'), "/home/eleve/mesure1");
}

TEST(Lieux, LaRacineLeVolumeDuDossierPersonnelPuisLesSupportsAmovibles)
{
    const std::vector<Volume> montes = {{"/", true, false},           {"/boot/efi", true, false},
                                        {"/home", true, false},       {"/media/eleve/CLE", true, false},
                                        {"/media/eleve/CD", true, true}, {"/mnt/absent", false, false},
                                        {"/run/media/eleve/SD", true, false}, {"/snap/core/1", true, true}};
    EXPECT_EQ(lecteurs_linux(montes, "/home"),
              (QStringList{"/", "/home", "/media/eleve/CLE", "/run/media/eleve/SD"}));
    EXPECT_EQ(lecteurs_linux(montes, "/"), (QStringList{"/", "/media/eleve/CLE", "/run/media/eleve/SD"}));
    EXPECT_EQ(lecteurs_linux(montes, "/media/eleve/CLE"), (QStringList{"/", "/media/eleve/CLE", "/run/media/eleve/SD"}));

#ifdef _WIN32
    const QStringList lecteurs{"a:", "c: [SYSTEME]", "z:"};
    EXPECT_EQ(racine_lecteur("c: [SYSTEME]"), "c:\\");
    EXPECT_EQ(lecteur_de(lecteurs, "C:\\Users\\eleve"), "c: [SYSTEME]");
    EXPECT_EQ(lecteur_de(lecteurs, "z:\\tmp"), "z:");
    EXPECT_EQ(lecteur_de(lecteurs, "\\\\serveur\\partage"), "a:");
    EXPECT_TRUE(lecteurs_systeme().value(0).contains(QRegularExpression("^[a-z]:( \\[.*\\])?$")));
#else
    const QStringList lecteurs{"/", "/home", "/media/eleve/CLE"};
    EXPECT_EQ(lecteur_de(lecteurs, "/home/eleve/tp"), "/home");
    EXPECT_EQ(lecteur_de(lecteurs, "/home"), "/home");
    EXPECT_EQ(lecteur_de(lecteurs, "/homeless"), "/");
    EXPECT_EQ(lecteur_de(lecteurs, "/media/eleve/CLE/tp"), "/media/eleve/CLE");
    EXPECT_EQ(lecteur_de({"/media/eleve/CLE"}, "/tmp"), "/media/eleve/CLE");
    EXPECT_EQ(lecteurs_systeme().value(0), "/");
#endif
}

// As Windows' drive lists name them, whatever system the program runs on.
TEST(Lieux, LecteursDeWindowsEtLeurNom)
{
    EXPECT_EQ(lecteur_windows("C:/", "SYSTEME"), "c: [SYSTEME]");
    EXPECT_EQ(lecteur_windows("D:\\", ""), "d:");
    EXPECT_EQ(lecteur_windows("E:/", " CLE USB "), "e: [CLE USB]");
}

namespace {
// The dialogs show paths as the system writes them: with backslashes on Windows.
QString natif(const QString& chemin) { return QDir::toNativeSeparators(chemin); }
} // namespace

TEST(Lieux, LeDossierDuDernierFichierSinonLesDocuments)
{
    QTemporaryDir dossier;
    EXPECT_EQ(repertoire_depart(QDir(dossier.path()).filePath("pas_encore_ecrit.rrr")), natif(dossier.path()));
    EXPECT_EQ(repertoire_depart(""), natif(dossier_documents()));
    EXPECT_EQ(repertoire_depart("/dossier/disparu/essai.rrr"), natif(dossier_documents()));
#ifndef _WIN32
    // An account with a Documents folder opens there; one without, in its home folder.
    const QByteArray maison = qgetenv("HOME"), configuration = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dossier.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", QDir(dossier.path()).filePath(".config").toUtf8());
    EXPECT_EQ(dossier_documents(), dossier.path());
    QDir(dossier.path()).mkdir("Documents");
    EXPECT_EQ(repertoire_depart(""), QDir(dossier.path()).filePath("Documents"));
    qputenv("HOME", maison);
    configuration.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", configuration);
#endif
}

TEST(ContenuRepertoire, FichiersFiltresEtTriesCommeParUnGestionnaireDeFichiers)
{
    QTemporaryDir dossier;
    const QDir d(dossier.path());
    for (const char* nom : {"essai10.rrr", "essai2.rrr", "Essai1.RRR", "notes.txt", ".cache.rrr", "b.rrr"})
        QFile(d.filePath(nom)).open(QIODevice::WriteOnly);
    for (const char* nom : {"tp10", "tp2", "dossier.rrr", ".cache"})
        d.mkdir(nom);

    EXPECT_EQ(fichiers_du_repertoire(d.path(), "*.rrr"), (QStringList{"b.rrr", "Essai1.RRR", "essai2.rrr", "essai10.rrr"}));
    EXPECT_EQ(fichiers_du_repertoire(d.path(), "*.txt"), QStringList{"notes.txt"});
    EXPECT_EQ(fichiers_du_repertoire(d.path(), "essai?.rrr"), (QStringList{"Essai1.RRR", "essai2.rrr"}));
    EXPECT_EQ(sous_repertoires(d.path()), (QStringList{"dossier.rrr", "tp2", "tp10"}));

    const QString racine = natif(QDir::rootPath());
    const QStringList parents = chemins_parents(d.filePath("tp2"));
    EXPECT_EQ(parents.front(), racine);
    EXPECT_EQ(parents.back(), natif(d.filePath("tp2")));
    EXPECT_EQ(parents[parents.size() - 2], natif(d.path()));
    EXPECT_EQ(chemins_parents(racine), QStringList{racine});
}
