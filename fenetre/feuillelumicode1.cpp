#include "fenetre/feuillelumicode1.h"

#include "programme/boutons.h"
#include "programme/capacite.h"
#include "programme/laser_continu.h"
#include "programme/menus.h"
#include "fenetre/fenetre_lumiere.h"
#include "fenetre/fenetre_signal.h"
#include "fenetre/bouton_qt.h"
#include "fenetre/texte_qt.h"
#include "dialogues/dialogues_fichiers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <tuple>
#include <variant>

namespace optolink {

namespace {

// Designed positions are in twips: 15 to a pixel at 96 dots per inch.
QRect place(int gauche, int haut, int largeur, int hauteur)
{
    return {gauche / 15, haut / 15, largeur / 15, hauteur / 15};
}

QColor couleur(Couleur c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QFont sans_empattement(double points)
{
    QFont f;
    // The window was drawn in MS Sans Serif, a bitmap font on Windows that Qt draws only up to 18
    // pixels, so blurred or clipped at 125 or 150 %: Microsoft Sans Serif, its TrueType successor
    // of the same widths, stands in for it.
    f.setFamilies({"Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

QFont avec_empattement(int points)
{
    QFont f;
    f.setFamilies({"Times New Roman", "Liberation Serif", "Nimbus Roman", "DejaVu Serif"});
    f.setStyleHint(QFont::Serif);
    f.setPointSize(points);
    f.setBold(true);
    return f;
}

// A forced background takes its text colour with it: under a high-contrast theme the system's text
// is white or yellow, unreadable on the light yellow and green of the boxes. Black or white,
// whichever stands out on the background (black on every background the window uses).
void colorer(QWidget* w, QPalette::ColorRole role_fond, QPalette::ColorRole role_texte, Couleur c)
{
    QPalette p = w->palette();
    const QColor fond = couleur(c);
    p.setColor(role_fond, fond);
    p.setColor(role_texte, qGray(fond.rgb()) >= 128 ? QColor(Qt::black) : QColor(Qt::white));
    w->setPalette(p);
}

// Right edge of the widest controls and bottom of Texte2, plus the designed margin.
constexpr int largeur_client = (120 + 11655 + 120) / 15;
constexpr int hauteur_client = (4800 + 3495 + 30) / 15;

} // namespace

Feuillelumicode1::Feuillelumicode1(Poste& poste, Envois envois) : poste_(poste)
{
    setObjectName("feuillelumicode1");
    auto* centre = new QWidget(this);
    centre->setFont(sans_empattement(12));
    centre->setFixedSize(largeur_client, hauteur_client);
    setCentralWidget(centre);

    construire_controles(envois);
    construire_menus();
    liens_.push_back([this, dernier = QString()]() mutable {
        if (poste_.fenetre.Caption != dernier) {
            dernier = poste_.fenetre.Caption;
            setWindowTitle(dernier);
        }
    });
    brancher_crochets();
    dialogues_ = fournir_dialogues_fichiers(poste_, this);
    synchroniser();
    setFixedSize(sizeHint());
}

void Feuillelumicode1::construire_controles(const Envois& envois)
{
    FenetrePrincipale& f = poste_.fenetre;
    etiquette("Etiquette1", f.Etiquette1, place(120, 120, 11655, 495));
    auto* texte1 = texte("Texte1", f.Texte1, place(120, 600, 11655, 1935));
    auto* morse = bouton("Btonenvoiemorse", f.Btonenvoiemorse, place(120, 2760, 3135, 975), envois.Btonenvoiemorse);
    auto* morserapide = bouton("Btonenvoi_morserapide", f.Btonenvoi_morserapide, place(120, 2760, 3135, 975),
        envois.Btonenvoi_morserapide);
    auto* binaire = bouton("Btonenvoiebinaire", f.Btonenvoiebinaire, place(3480, 2760, 3015, 975),
        envois.Btonenvoiebinaire);
    auto* binrap = bouton("Btonenvoi_binrap", f.Btonenvoi_binrap, place(3480, 2760, 3015, 975), envois.Btonenvoi_binrap);
    auto* efface = bouton("Btonefface", f.Btonefface, place(6840, 2760, 2895, 975), Btonefface_Click);
    auto* quitter = bouton("Btonquitter", f.Btonquitter, place(9960, 3000, 1695, 615), Btonquitter_Click);
    etiquette("Etiquette2", f.Etiquette2, place(120, 4080, 11655, 735));
    barre_avancement(f.avancement, place(120, 4080 + 735 - 90, 11655, 90));
    auto* texte2 = texte("Texte2", f.Texte2, place(120, 4800, 11655, 3495));

    QWidget* const ordre[] = {texte1, texte2, quitter, binaire, efface, morse, morserapide, binrap};
    for (std::size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    suivre_texte1(texte1);
}

void Feuillelumicode1::suivre_texte1(QPlainTextEdit* texte1)
{
    // Texte1 is what the user types: the routines read it from the model.
    connect(texte1, &QPlainTextEdit::textChanged, this, [this, texte1] {
        poste_.fenetre.Texte1.Text = texte1->toPlainText();
    });
    // In a fast coding, how much of the message the recording will hold, brought up to date only when
    // what it depends on changes: the window is synchronised on every yield of a timed send.
    liens_.push_back([this, texte1, avant = std::tuple<QString, std::optional<Codage>, double, double, int>()]() mutable {
        const Etat& e = poste_.etat;
        const auto cle = std::tuple(poste_.fenetre.Texte1.Text, e.typecodage, e.dureebit, e.periodemesure,
                                    int(e.nbmesuresmax));
        if (cle != avant) {
            avant = cle;
            texte1->setToolTip(capacite_enregistrement(e, poste_.fenetre.Texte1.Text));
        }
    });
}

// A routine shows the window while a box may be up (a send or a reception begun under an
// information box): the box stays in front of its window, with the keyboard.
void Feuillelumicode1::brancher_crochets()
{
    FenetrePrincipale& f = poste_.fenetre;
    montrer_ = f.surMontrer.brancher([this] {
        synchroniser();
        show();
        QWidget* devant = QApplication::activeModalWidget();
        if (!devant)
            devant = this;
        devant->raise();
        devant->activateWindow();
        repaint();
    });
    rafraichir_ = f.surRafraichir.brancher([this] {
        synchroniser();
        repaint();
    });
}

Feuillelumicode1::~Feuillelumicode1() = default;

void Feuillelumicode1::synchroniser()
{
    for (auto& lien : liens_)
        lien();
    if (poste_.fenetre.Visible && !isVisible())
        show();
}

void Feuillelumicode1::closeEvent(QCloseEvent* evenement)
{
    Btonquitter_Click(poste_);
    evenement->accept();
}

QLabel* Feuillelumicode1::etiquette(const char* nom, Etiquette& modele, QRect place)
{
    auto* w = new QLabel(centralWidget());
    w->setObjectName(nom);
    w->setGeometry(place);
    w->setFont(sans_empattement(13.5));
    w->setTextFormat(Qt::PlainText);
    w->setWordWrap(true);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w->setAutoFillBackground(true);
    liens_.push_back([w, &modele, texte = QString(), fond = ~Couleur{}]() mutable {
        if (modele.Caption != texte) {
            texte = modele.Caption;
            w->setText(texte);
        }
        if (modele.BackColor != fond) {
            fond = modele.BackColor;
            colorer(w, QPalette::Window, QPalette::WindowText, fond);
        }
    });
    return w;
}

void Feuillelumicode1::barre_avancement(Avancement& modele, QRect place)
{
    auto* w = new QProgressBar(centralWidget());
    w->setObjectName("avancement");
    w->setGeometry(place);
    w->setTextVisible(false);
    w->hide();
    liens_.push_back([w, &modele, dernier = Avancement{}]() mutable {
        if (modele.Visible == dernier.Visible && modele.Valeur == dernier.Valeur && modele.Texte == dernier.Texte)
            return;
        dernier = modele;
        w->setRange(0, std::max(modele.Maximum, 1));
        w->setValue(modele.Valeur);
        w->setToolTip(modele.Texte);
        w->setAccessibleName(modele.Texte);
        w->setVisible(modele.Visible);
    });
}

QPlainTextEdit* Feuillelumicode1::texte(const char* nom, BoiteTexte& modele, QRect place)
{
    auto* w = new TexteQt(centralWidget());
    w->setObjectName(nom);
    w->setGeometry(place);
    w->setTabChangesFocus(true);
    liens_.push_back([w, &modele, texte = QString(), taille = 0, fond = ~Couleur{}]() mutable {
        if (modele.Text != texte) {
            texte = modele.Text;
            if (w->toPlainText() != texte)
                w->setPlainText(texte);
        }
        if (modele.FontSize != taille) {
            taille = modele.FontSize;
            w->setFont(avec_empattement(taille));
        }
        if (modele.BackColor != fond) {
            fond = modele.BackColor;
            colorer(w, QPalette::Base, QPalette::Text, fond);
        }
        if (w->isReadOnly() != modele.Locked)
            w->setReadOnly(modele.Locked);
    });
    return w;
}

QPushButton* Feuillelumicode1::bouton(
    const char* nom, Bouton& modele, QRect place, std::function<void(Poste&)> action)
{
    auto* w = new BoutonQt(centralWidget());
    w->setObjectName(nom);
    w->setGeometry(place);
    w->setFont(sans_empattement(13.5));
    connect(w, &QPushButton::clicked, this, [this, action] {
        if (action)
            action(poste_);
    });
    liens_.push_back([w, &modele, texte = QString()]() mutable {
        if (modele.Caption != texte) {
            texte = modele.Caption;
            w->setText(texte);
        }
        if (w->isEnabled() != modele.Enabled)
            w->setEnabled(modele.Enabled);
        if (w->isVisibleTo(w->parentWidget()) != modele.Visible)
            w->setVisible(modele.Visible);
    });
    return w;
}

void Feuillelumicode1::lier_entree(QAction* action, EntreeMenu& modele)
{
    liens_.push_back([action, &modele, texte = QString()]() mutable {
        if (modele.Caption != texte) {
            texte = modele.Caption;
            action->setText(texte);
        }
        if (action->isEnabled() != modele.Enabled)
            action->setEnabled(modele.Enabled);
        // Only a checked entry shows a mark; Qt's own toggling on a click is undone here.
        if (action->isChecked() != modele.Checked || action->isCheckable() != modele.Checked) {
            action->setCheckable(modele.Checked);
            action->setChecked(modele.Checked);
        }
    });
}

QMenu* Feuillelumicode1::sous_menu(QWidget* parent, const DescriptionMenu& d)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(d.nom);
    menu->menuAction()->setObjectName(d.nom);
    parent->addAction(menu->menuAction());
    lier_entree(menu->menuAction(), poste_.fenetre.menus[d.entree]);
    return menu;
}

void Feuillelumicode1::entree(QWidget* parent, const DescriptionMenu& d)
{
    auto* action = new QAction(parent);
    action->setObjectName(d.nom);
    parent->addAction(action);
    connect(action, &QAction::triggered, this, [this, m = d.entree] {
        menu_Click(poste_, m);
        synchroniser();
    });
    lier_entree(action, poste_.fenetre.menus[d.entree]);
}

void Feuillelumicode1::construire_menus()
{
    // Like the designed window, the menu bar takes a second row for what does not fit on the first.
    auto* barres = new QWidget(this);
    auto* colonne = new QVBoxLayout(barres);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    const std::array<QWidget*, 2> rangees{new QMenuBar(barres), new QMenuBar(barres)};
    for (QWidget* rangee : rangees)
        colonne->addWidget(rangee);
    setMenuWidget(barres);

    std::array<QMenu*, nombre_menus> menus{};
    const auto dans = [&](const Place& place) -> QWidget* {
        if (const Rangee* r = std::get_if<Rangee>(&place))
            return rangees[std::size_t(*r)];
        return menus[std::size_t(std::get<Menu>(place))];
    };
    for (const DescriptionMenu& d : table_menus()) {
        if (std::holds_alternative<SousMenu>(d.action))
            menus[std::size_t(d.entree)] = sous_menu(dans(d.place), d);
        else
            entree(dans(d.place), d);
    }

    // Not one of the designed menus: the signal view, after all of them.
    signal_ = std::make_unique<FenetreSignal>(poste_.signaux, poste_.etat, poste_.plateforme.boites, nullptr);
    auto* menu_signal = new QMenu(QStringLiteral("&Signal"), rangees[1]);
    menu_signal->setObjectName(QStringLiteral("menu_signal"));
    menu_signal->menuAction()->setObjectName(QStringLiteral("menu_signal"));
    rangees[1]->addAction(menu_signal->menuAction());
    signal_->remplir_menu(menu_signal);
    menu_signal->addSeparator();
    lumiere_ = std::make_unique<FenetreLumiere>(poste_.signaux, poste_.etat, poste_.plateforme.boites, nullptr);
    QAction* mesurer = menu_signal->addAction(QStringLiteral("Mesurer la lumière reçue…"));
    mesurer->setObjectName(QStringLiteral("menu_mesurer_lumiere"));
    connect(mesurer, &QAction::triggered, this, [this] {
        lumiere_->show();
        lumiere_->raise();
    });
    // The core holds the laser and puts it out; the entry only shows whether it is held.
    QAction* continu = menu_signal->addAction(QStringLiteral("Laser allumé en continu (mesures)"));
    continu->setObjectName(QStringLiteral("menu_laser_continu"));
    continu->setCheckable(true);
    connect(continu, &QAction::triggered, this, [this] { basculer_laser_continu(poste_); });
    liens_.push_back([this, continu] {
        if (continu->isChecked() != poste_.etat.laser_continu)
            continu->setChecked(poste_.etat.laser_continu);
    });
}

} // namespace optolink
