// Every caption of the main window and every text of the boxes must be readable whole with the
// fonts this computer really has: the controls keep their designed sizes, so a font wider than
// the designed one wraps a label onto a line that is cut off, or a button's caption onto a third
// line. The fonts are whatever the system gives the program, never fonts brought by the test.

#include "fenetre/boites_qt.h"
#include "fenetre/bouton_qt.h"
#include "fenetre/feuillelumicode1.h"
#include "postes_virtuels/station_virtuelle.h"
#include "programme/demarrage.h"
#include "programme/menus.h"
#include "programme/presentation_codage.h"
#include "analyse/emission_prevue.h"
#include "tests/app/ecran_qt.h"

#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>

#include <utility>
#include <vector>

using namespace optolink;
using namespace optolink::essai;

namespace {

// What a caption needs beyond its place, with the font that was found; empty when it fits.
QString debordement(const QWidget* w, QRect place, int disposition, const QString& texte)
{
    const QRect besoin = w->fontMetrics().boundingRect(place, disposition, texte);
    if (besoin.width() <= place.width() && besoin.height() <= place.height())
        return {};
    return QString("%1 « %2 » : il faut %3, la place est de %4 (police %5 %6 pt)")
        .arg(w->objectName(), texte, taille_px(besoin.size()), taille_px(place.size()), QFontInfo(w->font()).family())
        .arg(w->font().pointSizeF());
}

QString debordement(const QLabel* l)
{
    const int disposition = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    return debordement(l, l->contentsRect(), disposition, l->text());
}

QString debordement(const BoutonQt* b) { return debordement(b, b->zone_du_libelle(), BoutonQt::disposition, b->text()); }

// Captions the sending and receiving routines put in the two labels, besides those of the coding
// entries and of the design.
const std::vector<std::pair<const char*, QString>> legendes_des_routines{
    {"Etiquette1", " ENVOI DU MESSAGE EN COURS  PATIENTEZ SVP"},
    {"Etiquette1", " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ 15 s SVP"},
    {"Etiquette1", " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ 30 s SVP"},
    {"Etiquette1", " ENVOI DU MESSAGE TERMINE "},
    {"Etiquette1", " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code         "},
    {"Etiquette1", " Entrer un message (tout caractère clavier) ou code         "},
    {"Etiquette1", "RECEPTION DE CODE MORSE EN COURS     PATIENTEZ SVP"},
    {"Etiquette1", "RECEPTION DE CODE BINAIRE EN COURS     PATIENTEZ SVP"},
    {"Etiquette1", "RECEPTION DE CODE MORSE RAPIDE EN COURS     PATIENTEZ 15 s SVP"},
    {"Etiquette1", "RECEPTION DE CODE MORSE RAPIDE EN COURS     PATIENTEZ 30 s SVP"},
    {"Etiquette1", "RECEPTION DE CODE BINAIRE RAPIDE EN COURS     PATIENTEZ 15 s SVP"},
    {"Etiquette1", "RECEPTION DE CODE BINAIRE RAPIDE EN COURS     PATIENTEZ 30 s SVP"},
    {"Etiquette2", " ENVOI DU CODE MORSE EN COURS"},
    {"Etiquette2", " ENVOI DU CODE BINAIRE EN COURS"},
    {"Etiquette2", " ENVOI DU CODE MORSE rapide EN COURS (message de durée 15 s maximum)"},
    {"Etiquette2", " ENVOI DU CODE MORSE rapide EN COURS (message de durée 30 s maximum)"},
    {"Etiquette2", " ENVOI DU CODE binaire rapide EN COURS (message de durée 15 s maximum)"},
    {"Etiquette2", " ENVOI DU CODE binaire rapide EN COURS (message de durée 30 s maximum)"},
    {"Etiquette2", "RECEPTION DE MESSAGE EN COURS   PATIENTEZ SVP"},
    {"Etiquette2", "RECEPTION DE MESSAGE EN COURS DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ 15 s SVP"},
    {"Etiquette2", "RECEPTION DE MESSAGE EN COURS DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ 30 s SVP"},
    {"Etiquette2", " FIN DE RECEPTION DU MESSAGE"},
    {"Etiquette2", "Réception de message"},
};

struct Libelles : Ecran {
    StationFactice s;
    Feuillelumicode1 fenetre{s.poste, Envois{}};

    // Every label and button of the window as the model has them now.
    QStringList debordements()
    {
        fenetre.synchroniser();
        QStringList trop;
        for (const QLabel* l : fenetre.findChildren<QLabel*>())
            if (const QString d = debordement(l); !d.isEmpty())
                trop << d;
        for (const BoutonQt* b : fenetre.findChildren<BoutonQt*>())
            if (const QString d = debordement(b); !d.isEmpty())
                trop << d;
        return trop;
    }
};

TEST_F(Libelles, ChaqueLibelleDeLaFenetreTientDansSonControle)
{
    QStringList trop = debordements(); // as designed
    for (const optolink::Codage code : optolink::codages) {
        libelles_codage(s.poste.fenetre, code);
        trop << debordements();
    }
    for (const auto& [controle, legende] : legendes_des_routines) {
        (QString(controle) == "Etiquette1" ? s.poste.fenetre.Etiquette1 : s.poste.fenetre.Etiquette2).Caption = legende;
        trop << debordements();
    }
    trop.removeDuplicates();
    EXPECT_TRUE(trop.isEmpty()) << trop.join('\n').toStdString();
}

TEST_F(Libelles, ChaqueEntreeDeLaBarreDeMenusEstSurSaLigne)
{
    fenetre.show();
    const auto barres = fenetre.findChildren<QMenuBar*>();
    ASSERT_EQ(barres.size(), 2);
    for (const QMenuBar* barre : barres)
        for (QAction* entree : barre->actions())
            EXPECT_TRUE(barre->rect().contains(barre->actionGeometry(entree)))
                << entree->objectName().toStdString() << " " << entree->text().toStdString() << " hors de sa rangée";
}

// The real start-up in front of the simulated interface, every box on screen, through an
// out-of-range port number, an unusable one and a receiver test that fails; then the two
// information boxes of the menu.
struct BoitesAEcran : Ecran, StationBanc<BoitesQt> {};

TEST_F(BoitesAEcran, ChaqueBoiteMontreToutSonTexte)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Repondeur repondeur;
    QStringList titres;
    QStringList tronquees;
    repondeur.regarder = [&](QWidget* boite) {
        titres << boite->windowTitle();
        if (const QString t = boite_tronquee(boite); !t.isEmpty())
            tronquees << t;
    };
    const QString port = "N° de port COM (émulé) ? 1,2,3 ... 8 ? ";
    repondeur.choix[port] = "40000";
    QStringList ports_suivants{"0", "1"};
    repondeur.pendant = [&](const QString& titre) {
        if (titre == port && !ports_suivants.isEmpty())
            repondeur.choix[port] = ports_suivants.takeFirst();
    };
    ASSERT_TRUE(demarrage(poste));
    menu_Click(poste, Menu::menu_apropos);
    menu_Click(poste, Menu::menu_OrphyGTSII);

    for (const char* titre : {"N° de port COM incorrect", "Ouverture du port COM impossible",
             " Résultat du test : INCORRECT ", "A propos ...", "Conseils pratiques"})
        EXPECT_TRUE(titres.contains(titre)) << titre;
    EXPECT_TRUE(tronquees.isEmpty()) << tronquees.join('\n').toStdString();
}

} // namespace
