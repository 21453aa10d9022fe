#include "dialogue_ecran.h"

#include "fichiers/lieux.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace optolink;
using namespace optolink::essai;
using Sorte = DialogueFichier::Sorte;

namespace {

class Dialogue : public EcranDialogue {
protected:
    Dialogue()
    {
        for (const char* nom : {"essai10.rrr", "essai2.rrr", "notes.txt", "essai du 3.rrr"})
            creer(nom);
        d.mkdir("tp1");
        d.mkdir("tp1/groupe2");
    }
};

} // namespace

TEST_F(Dialogue, LesDeuxDialoguesALOuverture)
{
    const struct {
        Sorte sorte;
        const char* nom;
        const char* caption;
        QString etiquette2;
    } cas[] = {{Sorte::lecture, "lecturefichier", "Ouvrir fichier *.rrr",
                "Nom de fichier Regressi DOS * .rrr à ouvrir contenant du code enregistré" + QString(25, u' ')
                    + "(ouvrable aussi dans Regressi Windows jusqu'à la version 2007)"},
               {Sorte::enregistrement, "enregistrefichier", "Enregistrer  fichier *.rrr",
                "Nom de fichier pour enregistrer du code reçu sous  format Regressi DOS * .rrr :"}};
    for (const auto& c : cas) {
        DialogueFichier* dialogue = ouvrir(c.sorte, {}, {"/", d.path()});
        EXPECT_EQ(dialogue->objectName(), c.nom);
        EXPECT_EQ(dialogue->windowTitle(), c.caption);
        EXPECT_FALSE(dialogue->isModal());
        EXPECT_EQ(controle<QLabel>(dialogue, "Etiquette2")->text(), c.etiquette2);
        EXPECT_EQ(controle<QLabel>(dialogue, "Etiquette1")->text(), "Répertoire:");
        EXPECT_EQ(ok(dialogue)->text(), "Ok");
        EXPECT_EQ(controle<QPushButton>(dialogue, "Commande2")->text(), "Annuler");
        EXPECT_EQ(texte1(dialogue)->text(), "*.rrr");
        EXPECT_FALSE(ok(dialogue)->isEnabled());
        EXPECT_TRUE(ok(dialogue)->isDefault());
        EXPECT_EQ(noms(fichier1(dialogue)), (QStringList{"essai du 3.rrr", "essai2.rrr", "essai10.rrr"}));
        EXPECT_EQ(label_rep(dialogue), d.path());
        EXPECT_EQ(noms(repertoire1(dialogue)).back(), "tp1");
        EXPECT_EQ(repertoire1(dialogue)->currentItem()->text(0), d.dirName());
        EXPECT_EQ(controle<QComboBox>(dialogue, "Lecteur1")->currentText(), d.path());
    }
}

TEST_F(Dialogue, UnNomValideActiveOkEtLEnregistrementEcritCeCheminSansExtension)
{
    DialogueFichier* dialogue = ouvrir(Sorte::enregistrement);
    const QPointer<DialogueFichier> suivi(dialogue);
    poste.etat.nbmesuresmax = 6400;
    taper(dialogue, "mesure1");
    EXPECT_TRUE(ok(dialogue)->isEnabled());
    EXPECT_EQ(noms(fichier1(dialogue)).size(), 3);
    poste.etat.tabmesures[3] = 42; // a reception ends while the dialog is open
    QTest::mouseClick(ok(dialogue), Qt::LeftButton);

    const QString chemin = d.filePath("mesure1");
    EXPECT_EQ(poste.etat.nomfichier, chemin);
    EXPECT_EQ(poste.etat.nomfichierenr, chemin);
    QFile ecrit(chemin);
    ASSERT_TRUE(ecrit.open(QIODevice::ReadOnly));
    const QList<QByteArray> lignes = ecrit.readAll().split('\n');
    EXPECT_EQ(lignes.size(), 35 + 6401 + 1);
    EXPECT_EQ(lignes[35 + 3], "  3  42 \r");
    EXPECT_FALSE(QFile::exists(chemin + ".rrr"));
    EXPECT_TRUE(decharge(suivi));
    EXPECT_TRUE(station.boites.vues.empty());
}

TEST_F(Dialogue, UnMotifFiltreLaListeEtDesactiveOk)
{
    DialogueFichier* dialogue = ouvrir(Sorte::lecture);
    taper(dialogue, "*.txt");
    EXPECT_EQ(noms(fichier1(dialogue)), QStringList{"notes.txt"});
    EXPECT_FALSE(ok(dialogue)->isEnabled());
    taper(dialogue, "essai?.rrr");
    EXPECT_EQ(noms(fichier1(dialogue)), QStringList{"essai2.rrr"});

    // A click names the file; the list goes back to the dialog's pattern.
    clic(fichier1(dialogue), "essai2.rrr");
    EXPECT_EQ(texte1(dialogue)->text(), "essai2.rrr");
    EXPECT_TRUE(ok(dialogue)->isEnabled());
    EXPECT_EQ(noms(fichier1(dialogue)).size(), 3);

    for (const char* invalide : {"es sai.rrr", "été", "a.b.rrr", ""}) {
        taper(dialogue, invalide);
        EXPECT_FALSE(ok(dialogue)->isEnabled()) << invalide;
        EXPECT_EQ(noms(fichier1(dialogue)).size(), 3) << invalide;
    }
    // Enter in the name box presses the default button, and a disabled Ok does nothing.
    QTest::keyClick(texte1(dialogue), Qt::Key_Return);
    EXPECT_TRUE(dialogue->isVisible());
    EXPECT_TRUE(poste.etat.nomfichier.isEmpty());
}

TEST_F(Dialogue, UnDoubleClicConfirmeMemeQuandOkEstInactif)
{
    poste.etat.typedecodage = optolink::Codage::morse_rapide;
    DialogueFichier* dialogue = ouvrir(Sorte::lecture);
    const QPointer<DialogueFichier> suivi(dialogue);
    double_clic(fichier1(dialogue), "essai du 3.rrr");
    EXPECT_EQ(poste.etat.nomfichierlu, d.filePath("essai du 3.rrr"));
    EXPECT_EQ(poste.fenetre.Etiquette2.Caption, " FIN DE RECEPTION DU MESSAGE"); // an empty file decodes to nothing
    EXPECT_TRUE(decharge(suivi));
}

TEST_F(Dialogue, ALaRacineLeCheminNaPasDeSeparateurDouble)
{
    poste.etat.typedecodage = optolink::Codage::binaire_rapide;
    DialogueFichier* dialogue = ouvrir(Sorte::lecture, "/");
    EXPECT_EQ(label_rep(dialogue), "/");
    EXPECT_EQ(noms(repertoire1(dialogue)).front(), "/");
    taper(dialogue, "mesure1");
    QTest::keyClick(texte1(dialogue), Qt::Key_Return);
    EXPECT_EQ(poste.etat.nomfichier, "/mesure1");
    // No such file at the root: the box names it, and the window is as it was.
    ASSERT_EQ(station.boites.vues.size(), 1u);
    EXPECT_EQ(station.boites.vues[0].texte, "Le fichier « /mesure1 » ne peut pas être lu : il n'existe pas.");
    EXPECT_EQ(poste.fenetre.Etiquette2.Caption, fenetre_conception().Etiquette2.Caption);
}

TEST_F(Dialogue, UnCheminTropLargeGardeLaRacineEtLesDossiersLesPlusProfondsQuiTiennent)
{
    QString profond = d.path();
    for (const char* nom : {"premiere_annee", "sciences_physiques", "travaux_pratiques", "lumiere_et_codage",
                            "seance_du_mardi", "groupe_b"})
        profond += u'/' + QString(nom);
    ASSERT_TRUE(d.mkpath(profond));
    DialogueFichier* dialogue = ouvrir(Sorte::enregistrement, profond);
    auto* etiquette = controle<QLabel>(dialogue, "label_rep");
    const QFontMetrics mesure(etiquette->font());
    ASSERT_GE(mesure.horizontalAdvance(profond), etiquette->width());

    const QString affiche = label_rep(dialogue);
    ASSERT_TRUE(affiche.startsWith("/.../")) << qPrintable(affiche);
    const QString queue = affiche.mid(4);
    EXPECT_TRUE(profond.endsWith(queue));
    EXPECT_TRUE(queue.endsWith("/groupe_b"));
    const int place = etiquette->width() - mesure.horizontalAdvance("/");
    EXPECT_LT(mesure.horizontalAdvance(queue), place);
    const QString une_de_plus = profond.mid(profond.lastIndexOf(u'/', profond.size() - queue.size() - 1));
    EXPECT_GE(mesure.horizontalAdvance(une_de_plus), place);
}

TEST_F(Dialogue, LesDossiersSeParcourentALaSourisEtAuClavier)
{
    DialogueFichier* dialogue = ouvrir(Sorte::lecture);
    QTreeWidget* dossiers = repertoire1(dialogue);
    taper(dialogue, "mesure1");
    double_clic(dossiers, "tp1");
    EXPECT_EQ(label_rep(dialogue), d.filePath("tp1"));
    EXPECT_TRUE(noms(fichier1(dialogue)).isEmpty());
    EXPECT_EQ(texte1(dialogue)->text(), "*.rrr"); // a new directory puts the pattern back
    EXPECT_EQ(noms(dossiers).back(), "groupe2");

    // Down to the subfolder, Enter opens it; then up to the folder above and Enter again.
    dossiers->setFocus();
    QTest::keyClick(dossiers, Qt::Key_End);
    QTest::keyClick(dossiers, Qt::Key_Return);
    EXPECT_EQ(label_rep(dialogue), d.filePath("tp1/groupe2"));
    dossiers->setCurrentItem(dossiers->findItems(d.dirName(), Qt::MatchExactly | Qt::MatchRecursive).value(0));
    QTest::keyClick(dossiers, Qt::Key_Enter);
    EXPECT_EQ(label_rep(dialogue), d.path());
    EXPECT_EQ(noms(fichier1(dialogue)).size(), 3);
    EXPECT_TRUE(dialogue->isVisible()); // the key went to the list, not to Ok
}

TEST_F(Dialogue, OkNestPlusLeBoutonParDefautQuandLesListesOntLeFocus)
{
    DialogueFichier* dialogue = ouvrir(Sorte::lecture);
    QApplication::setActiveWindow(dialogue);
    for (const char* liste : {"Répertoire1", "Lecteur1"}) {
        controle<QWidget>(dialogue, liste)->setFocus();
        EXPECT_FALSE(ok(dialogue)->isDefault()) << liste;
        texte1(dialogue)->setFocus();
        EXPECT_TRUE(ok(dialogue)->isDefault()) << liste;
    }
}

TEST_F(Dialogue, UnDisqueIllisibleEstSignaleEtLaListeRevientAuLecteurDeDepart)
{
    const QString absent = d.filePath("cle_retiree");
    DialogueFichier* dialogue = ouvrir(Sorte::enregistrement, d.filePath("tp1"), {"/", d.path(), absent});
    auto* lecteurs = controle<QComboBox>(dialogue, "Lecteur1");
    ASSERT_EQ(lecteurs->currentText(), d.path());
    lecteurs->setCurrentIndex(2);
    ASSERT_EQ(station.boites.vues.size(), 1u);
    EXPECT_EQ(station.boites.vues[0].titre, "Choix du disque");
    EXPECT_EQ(station.boites.vues[0].texte, "disque indisponible ! ");
    EXPECT_FALSE(station.boites.vues[0].avecAnnuler);
    EXPECT_EQ(lecteurs->currentText(), d.path());
    EXPECT_EQ(label_rep(dialogue), d.filePath("tp1"));

    lecteurs->setFocus();
    QTest::keyClick(lecteurs, Qt::Key_Home);
    EXPECT_EQ(label_rep(dialogue), "/");
    lecteurs->setCurrentIndex(1);
    EXPECT_EQ(label_rep(dialogue), d.path());
    QTest::keyClick(lecteurs, Qt::Key_Return);
    EXPECT_TRUE(dialogue->isVisible());
    EXPECT_EQ(station.boites.vues.size(), 1u);
}

TEST_F(Dialogue, AnnulerEchapOuLaCroixDechargentSansRienFaire)
{
    poste.etat.typedecodage = optolink::Codage::morse_rapide;
    for (int maniere = 0; maniere < 3; ++maniere) {
        DialogueFichier* dialogue = ouvrir(Sorte::lecture);
        const QPointer<DialogueFichier> suivi(dialogue);
        clic(fichier1(dialogue), "essai2.rrr");
        if (maniere == 0)
            QTest::mouseClick(controle<QPushButton>(dialogue, "Commande2"), Qt::LeftButton);
        else if (maniere == 1)
            QTest::keyClick(texte1(dialogue), Qt::Key_Escape);
        else
            dialogue->close();
        EXPECT_TRUE(decharge(suivi)) << maniere;
    }
    EXPECT_TRUE(poste.etat.nomfichier.isEmpty());
    EXPECT_EQ(poste.fenetre.Etiquette2.Caption, fenetre_conception().Etiquette2.Caption);
}
