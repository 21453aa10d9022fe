#include "dialogue_ecran.h"

#include "decodage/decodage_cli.h"
#include "fenetre/feuillelumicode1.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <csignal>

using namespace optolink;
using namespace optolink::essai;

namespace {

struct Cas {
    const char* caption_enregistrement; // as the fast receiver opens the save dialog
    const char* caption_lecture;        // as the menu entry opens the open dialog
    const char* entree_menu;
    const char* option;                 // of optolink-decode
    synthese::Signal signal;
};

// The dialogs as the main window opens them.
class AllerRetour : public EcranDialogue {
protected:
    Feuillelumicode1 fenetre{poste, Envois{}};
    std::vector<Mesure> recu;

    void recevoir(const synthese::Signal& signal)
    {
        recu = synthese::tabmesures(signal.echantillons(6400));
        std::copy(recu.begin(), recu.end(), poste.etat.tabmesures.begin());
        poste.etat.nbmesuresmax = 6400;
        poste.etat.nbmesures = 6400;
    }

    QPointer<DialogueFichier> enregistrer(const QString& nom)
    {
        poste.fenetre.surOuvrirEnregistrefichier("Enregistrement d'un fichier morse rapide");
        DialogueFichier* dialogue = a_l_ecran("enregistrefichier");
        if (dialogue) {
            taper(dialogue, nom);
            QTest::keyClick(texte1(dialogue), Qt::Key_Return);
        }
        return dialogue;
    }

    // What optolink-decode prints for the file.
    static QJsonObject decode_en_ligne(const char* option, const QString& chemin)
    {
        QString sortie, erreurs;
        QTextStream flux(&sortie), flux_erreurs(&erreurs);
        decoder_fichiers({"optolink-decode", "--json", option, chemin}, flux, flux_erreurs);
        return QJsonDocument::fromJson(sortie.toUtf8()).object();
    }

    void aller_retour(const Cas& c, const QString& attendu)
    {
        recevoir(c.signal);
        poste.etat.nomfichier = d.filePath("reception_precedente.rrr"); // the dialogs open in its folder

        poste.fenetre.surOuvrirEnregistrefichier(c.caption_enregistrement);
        DialogueFichier* enregistrement = a_l_ecran("enregistrefichier");
        ASSERT_TRUE(enregistrement);
        const QPointer<DialogueFichier> suivi(enregistrement);
        EXPECT_EQ(enregistrement->windowTitle(), c.caption_enregistrement);
        EXPECT_EQ(label_rep(enregistrement), d.path());
        taper(enregistrement, "recu.rrr");
        QTest::keyClick(texte1(enregistrement), Qt::Key_Return);
        EXPECT_TRUE(decharge(suivi));
        const QString chemin = d.filePath("recu.rrr");
        ASSERT_EQ(poste.etat.nomfichierenr, chemin);

        fenetre.findChild<QAction*>(c.entree_menu)->trigger();
        fenetre.findChild<QAction*>(c.entree_menu)->trigger(); // the same dialog comes forward
        DialogueFichier* lecture = a_l_ecran("lecturefichier");
        ASSERT_TRUE(lecture);
        EXPECT_EQ(lecture->windowTitle(), c.caption_lecture);
        EXPECT_EQ(lecture->parentWidget(), &fenetre);
        EXPECT_EQ(fenetre.findChildren<DialogueFichier*>().size(), 1);
        double_clic(fichier1(lecture), "recu.rrr");

        const QJsonObject en_ligne = decode_en_ligne(c.option, chemin);
        EXPECT_EQ(synthese::sans_blancs_de_fin(en_ligne.value("message").toString()), attendu);
        EXPECT_EQ(poste.fenetre.Texte2.Text, en_ligne.value("message").toString());
        EXPECT_EQ(poste.fenetre.Texte1.Text, en_ligne.value("texte1").toString());
        EXPECT_EQ(poste.etat.nomfichierlu, chemin);
        EXPECT_TRUE(std::equal(recu.begin(), recu.end(), poste.etat.tabmesures.begin(), [](Mesure a, Mesure b) {
            return a == b || (!mesuree(a) && !mesuree(b));
        }));
        EXPECT_EQ(poste.etat.nbmesures, 6400);
        EXPECT_TRUE(station.boites.vues.empty());
    }

    void verifier_echec(const QString& debut_raison)
    {
        ASSERT_EQ(station.boites.vues.size(), 1u);
        EXPECT_EQ(station.boites.vues[0].titre, "Enregistrement impossible");
        EXPECT_TRUE(station.boites.vues[0].texte.startsWith(debut_raison)) << qPrintable(station.boites.vues[0].texte);
        station.boites.vues.clear();
    }
};

#ifndef _WIN32
// A disk with room for 4 KiB: the write of a recording fails half-way, even for root.
struct DisquePresquePlein {
    rlimit avant{};
    void (*signal_avant)(int);
    DisquePresquePlein() : signal_avant(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit petit = avant;
        petit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &petit);
    }
    ~DisquePresquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal_avant);
    }
};
#endif

} // namespace

TEST_F(AllerRetour, MorseRapideEnregistrePuisDecodeCommeParOptolinkDecode)
{
    aller_retour({"Enregistrement d'un fichier morse rapide", "Ouverture fichier morse *.rrr",
                  "menu_decodage_fichiermorserap", "--morse", synthese::emission_morse("le 42 ok")},
                 "le 42 ok");
}

TEST_F(AllerRetour, BinaireRapideEnregistrePuisDecodeCommeParOptolinkDecode)
{
    aller_retour({"Enregistrement d'un fichier binaire rapide", "Ouverture fichier binaire *.rrr",
                  "menu_decodage_fichierbinrap", "--binaire", synthese::emission_binaire("Ça va, 20 €")},
                 "Ça va, 20 €");
}

TEST_F(AllerRetour, UnEnregistrementImpossibleEstSignaleEtLaisseLAncienFichier)
{
    recevoir(synthese::emission_morse("sos"));
    poste.etat.nomfichier = d.filePath("x");
    d.mkdir("dossier");
    EXPECT_TRUE(decharge(enregistrer("dossier")));
    verifier_echec("Le fichier « " + d.filePath("dossier") + " » ne peut pas être créé");
    EXPECT_TRUE(QFileInfo(d.filePath("dossier")).isDir());

    QFile ancien(d.filePath("ancien.rrr"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("ancien\r\n");
    ancien.close();
    // Linux alone can make a disk full for one process, and has a folder where even root creates nothing.
#ifndef _WIN32
    const QStringList avant = d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    {
        const DisquePresquePlein plein;
        EXPECT_TRUE(decharge(enregistrer("ancien.rrr")));
    }
    verifier_echec("L'écriture du fichier « " + d.filePath("ancien.rrr") + " » a échoué");
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), "ancien\r\n");
    ancien.close();
    EXPECT_EQ(d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), avant);

    // A system folder where nothing can be created, root or not.
    poste.etat.nomfichier = "/proc/version";
    EXPECT_TRUE(decharge(enregistrer("mesure1")));
    verifier_echec("Le fichier « /proc/mesure1 » ne peut pas être créé");
#endif

    // The dialog comes back and saves where it can.
    poste.etat.nomfichier = d.filePath("x");
    EXPECT_TRUE(decharge(enregistrer("ancien.rrr")));
    EXPECT_TRUE(station.boites.vues.empty());
    EXPECT_GT(QFileInfo(d.filePath("ancien.rrr")).size(), 6400);
}

// The key the dialog was browsing is pulled out before Ok: the save fails and says so, and the
// files elsewhere are left as they were.
TEST_F(AllerRetour, UnDossierDisparuAvantOkFaitUnEchecSignaleSansToucherAuReste)
{
    recevoir(synthese::emission_morse("sos"));
    QFile ancien(d.filePath("ancien.rrr"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("ancien\r\n");
    ancien.close();
    ASSERT_TRUE(d.mkdir("cle"));
    poste.etat.nomfichier = d.filePath("cle/x");

    poste.fenetre.surOuvrirEnregistrefichier("Enregistrement d'un fichier morse rapide");
    DialogueFichier* dialogue = a_l_ecran("enregistrefichier");
    ASSERT_TRUE(dialogue);
    const QPointer<DialogueFichier> suivi(dialogue);
    ASSERT_TRUE(QDir(d.filePath("cle")).removeRecursively());
    taper(dialogue, "recu.rrr");
    QTest::keyClick(texte1(dialogue), Qt::Key_Return);

    EXPECT_TRUE(decharge(suivi));
    verifier_echec("Le fichier « " + d.filePath("cle/recu.rrr") + " » ne peut pas être créé");
    EXPECT_FALSE(QFileInfo::exists(d.filePath("cle")));
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), "ancien\r\n");
}
