#include "programme/boutons.h"
#include "programme/demarrage.h"
#include "programme/menus.h"
#include "fenetre/boites_qt.h"
#include "fenetre/clignotement_qt.h"
#include "fenetre/feuillelumicode1.h"

#include "postes_virtuels/station_virtuelle.h"
#include "tests/app/ecran_qt.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace optolink;
using namespace optolink::essai;

namespace {

TEST_F(Ecran, LesBoitesDeMessageRepondentOkOuAnnulerEnFrancais)
{
    BoitesQt boites;
    Repondeur r;
    r.choix = {{"avec annuler", "Annuler"}};
    EXPECT_EQ(boites.message("avec annuler", "ligne 1\nligne 2", true), Boites::Reponse::Annuler);
    EXPECT_EQ(boites.message("titre", "texte", true), Boites::Reponse::OK);
    EXPECT_EQ(boites.message("titre", "texte", false), Boites::Reponse::OK);
    ASSERT_EQ(r.vues.size(), 3u);
    EXPECT_EQ(r.vues[0].boutons, (QStringList{"Annuler", "OK"}));
    EXPECT_EQ(r.vues[0].texte, "ligne 1\nligne 2");
    EXPECT_EQ(r.vues[2].boutons, QStringList{"OK"});
}

TEST_F(Ecran, LaBoiteDeSaisieDonneLeTexteOuRienSurAnnuler)
{
    BoitesQt boites;
    Repondeur r;
    r.choix = {{"N° de port", "  3"}, {"autre", "Annuler"}};
    EXPECT_EQ(boites.saisie("N° de port", "ligne 1\rligne 2", "1"), "  3");
    EXPECT_EQ(boites.saisie("autre", "invite", "1"), "");
    ASSERT_EQ(r.vues.size(), 2u);
    EXPECT_EQ(r.vues[0].boutons, (QStringList{"Annuler", "OK"}));
    EXPECT_EQ(r.vues[0].texte, "ligne 1\nligne 2");
    EXPECT_EQ(r.vues[0].defaut, "1");
}

// A box of a file dialog ("disque indisponible ! ") stands over that dialog and hands the
// keyboard back to it, not to the main window's Texte1; a box of the main window, to the main
// window.
TEST_F(Ecran, ApresUneBoiteLeClavierRevientALaFenetreQuElleCouvrait)
{
    QWidget principale;
    auto* texte1 = new QPlainTextEdit(&principale);
    QDialog dialogue;
    auto* nom = new QLineEdit(&dialogue);
    principale.show();
    dialogue.show();
    BoitesQt boites;
    boites.rattacher(&principale);
    Repondeur r;
    QWidget* dessous = nullptr;
    r.regarder = [&](QWidget* boite) { dessous = boite->parentWidget(); };
    for (auto [fenetre, champ] : {std::pair<QWidget*, QWidget*>{&dialogue, nom}, {&principale, texte1}}) {
        champ->setFocus();
        QApplication::setActiveWindow(fenetre);
        boites.message("Choix du disque", "disque indisponible ! ", false);
        QApplication::processEvents();
        EXPECT_EQ(dessous, fenetre);
        EXPECT_EQ(QApplication::activeWindow(), fenetre);
        EXPECT_EQ(QApplication::focusWidget(), champ);
    }
}

struct Fenetre : Ecran {
    StationFactice s;
    Feuillelumicode1 fenetre{s.poste, Envois{}};

    template <typename T>
    T* controle(const char* nom)
    {
        T* w = fenetre.findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
};

TEST_F(Fenetre, LesControlesAuxPlacesPrevuesAvecLeursLibelles)
{
    auto* morse = controle<QPushButton>("Btonenvoiemorse");
    EXPECT_EQ(morse->text(), "E&nvoi du message en code morse");
    EXPECT_EQ(morse->geometry(), QRect(8, 184, 209, 65));
    EXPECT_EQ(controle<QPushButton>("Btonenvoi_morserapide")->geometry(), morse->geometry());
    EXPECT_EQ(controle<QPushButton>("Btonenvoiebinaire")->geometry(), QRect(232, 184, 201, 65));
    EXPECT_EQ(controle<QPushButton>("Btonenvoi_binrap")->geometry(), QRect(232, 184, 201, 65));
    EXPECT_EQ(controle<QPushButton>("Btonefface")->geometry(), QRect(456, 184, 193, 65));
    EXPECT_EQ(controle<QPushButton>("Btonquitter")->geometry(), QRect(664, 200, 113, 41));
    EXPECT_EQ(controle<QPushButton>("Btonquitter")->text(), "&Quitter");

    auto* etiquette1 = controle<QLabel>("Etiquette1");
    EXPECT_EQ(etiquette1->geometry(), QRect(8, 8, 777, 33));
    EXPECT_EQ(etiquette1->text(), "Entrer un message (tout caractère clavier) ou code");
    EXPECT_EQ(etiquette1->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_EQ(controle<QLabel>("Etiquette2")->palette().color(QPalette::Window), QColor(255, 255, 192));
    auto* texte2 = controle<QPlainTextEdit>("Texte2");
    EXPECT_EQ(texte2->geometry(), QRect(8, 320, 777, 233));
    EXPECT_EQ(texte2->palette().color(QPalette::Base), QColor(255, 255, 192));

    // Tab order of the focusable controls.
    const QStringList ordre{"Texte1", "Texte2", "Btonquitter", "Btonenvoiebinaire", "Btonefface", "Btonenvoiemorse",
        "Btonenvoi_morserapide", "Btonenvoi_binrap"};
    QStringList chaine;
    QWidget* w = controle<QPlainTextEdit>("Texte1");
    do {
        if (ordre.contains(w->objectName()) && !chaine.contains(w->objectName()))
            chaine << w->objectName();
        w = w->nextInFocusChain();
    } while (w != controle<QPlainTextEdit>("Texte1"));
    EXPECT_EQ(chaine, ordre);

    EXPECT_EQ(fenetre.windowTitle(), "Communication entre deux ordinateurs en code binaire 8 bits ASCII");
    EXPECT_LE(fenetre.width(), 800);
    EXPECT_LE(fenetre.height(), 600);
}

TEST_F(Fenetre, LesEntreesDeMenuRefletentLeModeleEtAppellentLeursRoutines)
{
    EXPECT_EQ(controle<QAction>("menu_codes")->text(), "&Codes de messages prédéfinis");
    EXPECT_EQ(controle<QAction>("menu_vit_emission12")->text(), "x 1.2");
    EXPECT_EQ(controle<QAction>("menu_apropos")->text(),
        "&A propos ...v2-1  (Programme pouvant être placé en haute priorité Win)");
    EXPECT_TRUE(controle<QAction>("menu_30ms")->isChecked());
    EXPECT_FALSE(controle<QAction>("menu_50ms")->isChecked());
    EXPECT_FALSE(controle<QAction>("menu_quiestlauteur")->isEnabled());

    controle<QAction>("menu_morserap_17s")->trigger();
    EXPECT_EQ(s.poste.etat.typecodage, optolink::Codage::morse_rapide);
    EXPECT_EQ(fenetre.windowTitle(), "Communication entre deux ordinateurs en code Morse (rapide)");
    EXPECT_TRUE(controle<QAction>("menu_morserap_17s")->isChecked());
    EXPECT_FALSE(controle<QAction>("menu_30ms")->isEnabled());
    EXPECT_TRUE(controle<QAction>("menu_quiestlauteur")->isEnabled());
    EXPECT_TRUE(controle<QPushButton>("Btonenvoi_morserapide")->isVisibleTo(&fenetre));
    EXPECT_FALSE(controle<QPushButton>("Btonenvoiemorse")->isVisibleTo(&fenetre));
    EXPECT_TRUE(controle<QPlainTextEdit>("Texte1")->toPlainText().startsWith(" Message à effacer : en morse rapide"));

    // A click on a checked entry must not leave Qt's own toggle behind.
    controle<QAction>("menu_morserap_17s")->trigger();
    EXPECT_TRUE(controle<QAction>("menu_morserap_17s")->isChecked());
}

// The entries of a menu or of a row of the menu bar, in order: "*" before a checked entry, "-"
// before a disabled one, a submenu's entries in brackets after its name.
QString plan(const QWidget* menu)
{
    QStringList entrees;
    for (const QAction* a : menu->actions()) {
        QString e = (a->isChecked() ? "*" : "") + QString(a->isEnabled() ? "" : "-") + a->objectName();
        if (a->menu())
            e += "[" + plan(a->menu()) + "]";
        entrees << e;
    }
    return entrees.join(' ');
}

TEST_F(Fenetre, LaBarreDeMenusEnDeuxRangeesAvecSesCochesPuisCellesDuModele)
{
    const QList<QMenuBar*> rangees = fenetre.menuWidget()->findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(rangees.size(), 2);
    const QString reglages =
        "menu_reglage_minuterie[*menu_30ms menu_50ms] menu_vitesseemission[menu_vit_emission0875 menu_vit_emission09 "
        "menu_vit_emission0925 menu_vit_emission095 menu_vit_emission0975 *menu_vit_emission1 menu_vit_emission11 "
        "menu_vit_emission12 menu_vit_emission13 menu_vit_emission2 menu_vit_emission3] "
        "menu_police_texterecep[menu_police12 *menu_police16 menu_police20 menu_police30]";
    EXPECT_EQ(plan(rangees[0]),
        "menu_codes[menu_e1 menu_e2 menu_e3 menu_e4 -menu_quiestlauteur -menu_reponsequarmont -menu_messagelong] "
            + reglages
            + " menu_typecode[menu_typemorse menu_typebinaire menu_typemorserapide[menu_morserap_17s "
              "menu_morserap_34s menu_decodage_fichiermorserap *menu_autorise_enregistremorse] "
              "menu_typebinairerapide[menu_binairerap_17s menu_binairerapide_33s menu_decodage_fichierbinrap "
              "*menu_autorise_enregistrebin]]");
    EXPECT_EQ(plan(rangees[1]), "menu_apropos menu_OrphyGTSII menu_signal[menu_signal_dernier menu_signal_fichier "
                                "menu_signal_apres_reception  menu_mesurer_lumiere menu_laser_continu]");

    for (const char* nom : {"menu_50ms", "menu_vit_emission3", "menu_police30", "menu_autorise_enregistrebin",
             "menu_binairerapide_33s"})
        controle<QAction>(nom)->trigger();
    EXPECT_EQ(plan(rangees[0]),
        "menu_codes[menu_e1 menu_e2 menu_e3 menu_e4 menu_quiestlauteur menu_reponsequarmont menu_messagelong] "
        "menu_reglage_minuterie[-menu_30ms -menu_50ms] menu_vitesseemission[menu_vit_emission0875 "
        "menu_vit_emission09 menu_vit_emission0925 menu_vit_emission095 menu_vit_emission0975 menu_vit_emission1 "
        "menu_vit_emission11 menu_vit_emission12 menu_vit_emission13 menu_vit_emission2 *menu_vit_emission3] "
        "menu_police_texterecep[menu_police12 menu_police16 menu_police20 *menu_police30] "
        "menu_typecode[menu_typemorse menu_typebinaire menu_typemorserapide[menu_morserap_17s menu_morserap_34s "
        "menu_decodage_fichiermorserap *menu_autorise_enregistremorse] "
        "menu_typebinairerapide[menu_binairerap_17s *menu_binairerapide_33s menu_decodage_fichierbinrap "
        "menu_autorise_enregistrebin]]");
}

TEST_F(Fenetre, LaFrappeEcritLeModeleEtLeModeleAtteintLesControles)
{
    controle<QPlainTextEdit>("Texte1")->setPlainText("sos");
    EXPECT_EQ(s.poste.fenetre.Texte1.Text, "sos");
    s.poste.fenetre.Texte2.Text = "... (s) --- (o) ... (s)  = sos";
    s.poste.fenetre.Texte2.Locked = true;
    s.poste.fenetre.Texte2.FontSize = 30;
    s.poste.fenetre.Btonefface.Enabled = false;
    fenetre.synchroniser();
    auto* texte2 = controle<QPlainTextEdit>("Texte2");
    EXPECT_EQ(texte2->toPlainText(), "... (s) --- (o) ... (s)  = sos");
    EXPECT_TRUE(texte2->isReadOnly());
    EXPECT_EQ(texte2->font().pointSize(), 30);
    EXPECT_FALSE(controle<QPushButton>("Btonefface")->isEnabled());

    s.poste.fenetre.montrer();
    EXPECT_TRUE(fenetre.isVisible());
}

TEST_F(Fenetre, FermerLaFenetreFermeLePortEtTermineLeProgramme)
{
    ASSERT_TRUE(s.com.setPortOpen(true));
    s.poste.fenetre.montrer();
    fenetre.close();
    EXPECT_EQ(s.terminaisons, 1);
    EXPECT_FALSE(s.com.portOpen());
}

// The real Qt boxes on screen, in front of the simulated interface.
struct EcranEtBanc : Ecran, StationBanc<BoitesQt> {};

TEST_F(EcranEtBanc, LeVraiDemarrageParLesBoitesEnFrancaisFaceALInterfaceSimulee)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    Repondeur repondeur;
    repondeur.choix = {{" Choix du type de code MORSE ou BINAIRE ?", "Annuler"},
        {"N° de port COM (émulé) ? 1,2,3 ... 8 ? ", " 2.5"}};
    // The user of the facing station lights this photodiode for the second measurement.
    repondeur.pendant = [&](const QString& titre) {
        if (titre == " Résultat de mesure de la tension seuil ")
            banc.interface(1).envoyer(QByteArray(1, '\0'));
        if (titre == " Résultat du test : CORRECT ")
            banc.interface(1).envoyer(" ");
    };
    // Alone on this thread, the station's waits run in virtual time and its boxes on screen.
    ASSERT_TRUE(demarrage(poste));

    ASSERT_EQ(repondeur.vues.size(), 9u);
    EXPECT_EQ(repondeur.vues[0].boutons, (QStringList{"Annuler", "OK"}));
    EXPECT_EQ(repondeur.vues[1].boutons, QStringList{"OK"});
    EXPECT_EQ(repondeur.vues[2].boutons, (QStringList{"Annuler", "OK"}));
    EXPECT_EQ(repondeur.vues[2].defaut, "1");
    EXPECT_TRUE(repondeur.vues[2].texte.startsWith("Entrer le n° de port COM réel ou correspondant au port USB émulé \n"));
    EXPECT_TRUE(repondeur.vues[3].texte.startsWith(
        "* chaque Orphy GTS II série (ou USB) est relié au port COM (ou USB émulé en port COM)  2 de chaque"));
    EXPECT_EQ(repondeur.vues[7].titre, " Résultat du test : CORRECT ");
    EXPECT_EQ(repondeur.vues[7].boutons, QStringList{"OK"});
    EXPECT_EQ(repondeur.vues[8].titre, "ATTENTION : MESURE DE TENSION SEUIL");
    EXPECT_EQ(poste.etat.typecodage, optolink::Codage::binaire);
    EXPECT_EQ(poste.etat.numeroport, 2);
    EXPECT_DOUBLE_EQ(poste.etat.tensionseuil, 2 * 20.0 / 255 + 0.5);
    EXPECT_TRUE(com.portOpen());
}

} // namespace

// The caret stops blinking once the keyboard and the mouse are still, and blinks again at the next
// key, which still reaches its box.
TEST_F(Ecran, LeCurseurCesseDeClignoterAuReposEtRepartALaToucheSuivante)
{
    QApplication::setCursorFlashTime(1000);
    QPlainTextEdit texte;
    texte.show();
    texte.setFocus();
    {
        ClignotementLimite clignotement(50);
        const auto immobile = [] { return QApplication::cursorFlashTime() == 0; };
        EXPECT_TRUE(QTest::qWaitFor(immobile));
        QTest::keyClick(&texte, Qt::Key_A);
        EXPECT_EQ(QApplication::cursorFlashTime(), 1000);
        EXPECT_EQ(texte.toPlainText(), "a");
        EXPECT_TRUE(QTest::qWaitFor(immobile));
    }
    EXPECT_EQ(QApplication::cursorFlashTime(), 1000);
}
