#include "programme/boucle_principale.h"
#include "programme/boutons.h"
#include "programme/demarrage.h"
#include "programme/perte_liaison.h"
#include "fenetre/boites_qt.h"
#include "fenetre/clignotement_qt.h"
#include "fenetre/feuillelumicode1.h"
#include "codages/emetteur_binaire.h"
#include "codages/emetteur_morse.h"
#include "codages/recepteur_binaire.h"
#include "codages/recepteur_morse.h"
#include "rapide/emetteur_binaire_rapide.h"
#include "rapide/emetteur_morse_rapide.h"
#include "rapide/recepteur_binaire_rapide.h"
#include "rapide/recepteur_morse_rapide.h"
#include "liaison_qt/boucle_qt.h"
#include "liaison_qt/com_systeme.h"
#include "liaison_qt/horloge_qt.h"
#include "liaison_qt/minuterie_qt.h"
#include "liaison_qt/processus_fenetre.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

using namespace optolink;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    preparer_processus_fenetre();
    application.setQuitOnLastWindowClosed(false); // the program ends only through Poste::terminer
    // The desktop shows the windows under the menu entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.optolink.optolink"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator traduction;
    if (traduction.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);
    ClignotementLimite clignotement;

    HorlogeQt horloge;
    BoucleQt boucle(horloge);
    MinuterieQt minuterie;
    ComSysteme com;
    BoitesQt boites;
    Poste poste(horloge, boucle, minuterie, com, boites);
    // Ends the process at once from whatever routine is running; the port is already closed.
    poste.terminer = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    surveiller_liaison(poste.plateforme, poste.liaison);

    Feuillelumicode1 fenetre(poste,
        Envois{hors_envoi(Btonenvoiemorse_Click), hors_envoi(Btonenvoiebinaire_Click),
            hors_envoi(Btonenvoi_morserapide_Click), hors_envoi(Btonenvoi_binrap_Click)});
    boites.rattacher(&fenetre);
    boucle.avantChaqueCession([&fenetre] { fenetre.synchroniser(); });

    if (!demarrage(poste))
        return 0;
    boucle_principale(poste, Routines{{Codage::morse, attentereceptionmorse},
                                      {Codage::binaire, attentereceptionbinaire},
                                      {Codage::morse_rapide, attentereceptionmorserapide},
                                      {Codage::binaire_rapide, attentereceptionbinairerapide}});
    Btonquitter_Click(poste);
    return 0;
}
