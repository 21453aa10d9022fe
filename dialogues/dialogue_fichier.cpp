#include "dialogues/dialogue_fichier.h"

#include "rapide/decodage_fichier.h"
#include "fichiers/affichage_repertoire.h"
#include "fichiers/confirmation.h"
#include "fichiers/contenu_repertoire.h"
#include "fichiers/lieux.h"
#include "fichiers/noms.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include <utility>

namespace optolink {

namespace {

struct Textes {
    const char* nom;
    const char* caption;
    QString etiquette2;
};

Textes textes(DialogueFichier::Sorte sorte)
{
    if (sorte == DialogueFichier::Sorte::lecture)
        return {"lecturefichier", "Ouvrir fichier *.rrr",
                "Nom de fichier Regressi DOS * .rrr à ouvrir contenant du code enregistré" + QString(25, u' ')
                    + "(ouvrable aussi dans Regressi Windows jusqu'à la version 2007)"};
    return {"enregistrefichier", "Enregistrer  fichier *.rrr",
            "Nom de fichier pour enregistrer du code reçu sous  format Regressi DOS * .rrr :"};
}

constexpr int chemin_role = Qt::UserRole;

template <typename W>
W* controle(QWidget* parent, const char* nom, QRect place)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromUtf8(nom));
    w->setGeometry(place);
    return w;
}

QString nom_affiche(const QString& chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    return nom.isEmpty() ? chemin : nom;
}

} // namespace

Lieux lieux_systeme(const Etat& etat)
{
    return {lecteurs_systeme(), repertoire_depart(etat.nomfichier)};
}

DialogueFichier::DialogueFichier(Poste& poste, Sorte sorte, Lieux lieux, QWidget* parent)
    : QDialog(parent), poste_(poste), sorte_(sorte), lieux_(std::move(lieux))
{
    setModal(false);
    construire(sorte);
    connect(lecteur1_, &QComboBox::currentIndexChanged, this, &DialogueFichier::changer_lecteur);
    connect(repertoire1_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { changer_repertoire(item->data(0, chemin_role).toString()); });
    connect(fichier1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { texte1_->setText(item->text()); });
    connect(fichier1_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            texte1_->setText(item->text());
    });
    connect(fichier1_, &QListWidget::itemDoubleClicked, this, &DialogueFichier::confirmer);
    connect(texte1_, &QLineEdit::textChanged, this, &DialogueFichier::texte_change);
    for (QWidget* w : {static_cast<QWidget*>(lecteur1_), static_cast<QWidget*>(repertoire1_)})
        w->installEventFilter(this);

    changer_repertoire(lieux_.depart);
    const QSignalBlocker bloque(lecteur1_);
    lecteur1_->addItems(lieux_.lecteurs);
    lecteur1_->setCurrentText(lecteur_de(lieux_.lecteurs, repertoire_));
    lecteurinitial_ = lecteur1_->currentText();
}

// Positions of the designed window, in pixels: the name and the files on the left, the
// directory and the drives on the right, Ok and Annuler at the bottom corners.
void DialogueFichier::construire(Sorte sorte)
{
    const Textes t = textes(sorte);
    setObjectName(t.nom);
    setWindowTitle(t.caption);
    setFixedSize(600, 336);

    auto* etiquette2 = controle<QLabel>(this, "Etiquette2", {8, 6, 584, 40});
    etiquette2->setTextFormat(Qt::PlainText);
    etiquette2->setWordWrap(true);
    etiquette2->setText(t.etiquette2);
    texte1_ = controle<QLineEdit>(this, "Texte1", {8, 54, 290, 26});
    fichier1_ = controle<QListWidget>(this, "Fichier1", {8, 86, 290, 196});
    auto* etiquette1 = controle<QLabel>(this, "Etiquette1", {314, 54, 278, 18});
    etiquette1->setText(QStringLiteral("Répertoire:"));
    label_rep_ = controle<QLabel>(this, "label_rep", {314, 72, 278, 18});
    label_rep_->setTextFormat(Qt::PlainText);
    repertoire1_ = controle<QTreeWidget>(this, "Répertoire1", {314, 92, 278, 158});
    repertoire1_->setHeaderHidden(true);
    repertoire1_->setRootIsDecorated(false);
    repertoire1_->setItemsExpandable(false);
    repertoire1_->setExpandsOnDoubleClick(false);
    repertoire1_->setIndentation(10);
    repertoire1_->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }")); // nothing folds
    lecteur1_ = controle<QComboBox>(this, "Lecteur1", {314, 256, 278, 26});
    commande1_ = controle<QPushButton>(this, "Commande1", {8, 296, 130, 32});
    commande1_->setText(QStringLiteral("Ok"));
    auto* commande2 = controle<QPushButton>(this, "Commande2", {462, 296, 130, 32});
    commande2->setText(QStringLiteral("Annuler"));
    // Only Commande1 is ever the default button, and only while the focus is outside the lists
    // that take Enter for themselves.
    commande1_->setAutoDefault(false);
    commande2->setAutoDefault(false);
    commande1_->setDefault(true);
    connect(commande1_, &QPushButton::clicked, this, &DialogueFichier::confirmer);
    connect(commande2, &QPushButton::clicked, this, &DialogueFichier::decharger);

    setTabOrder(texte1_, fichier1_);
    setTabOrder(fichier1_, repertoire1_);
    setTabOrder(repertoire1_, lecteur1_);
    setTabOrder(lecteur1_, commande1_);
    setTabOrder(commande1_, commande2);
}

void DialogueFichier::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    presenter();
}

void DialogueFichier::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    presenter();
}

void DialogueFichier::presenter()
{
    motif_ = QStringLiteral("*.rrr");
    afficher_repertoire();
    filtrer(motif_);
}

bool DialogueFichier::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::FocusIn)
        commande1_->setDefault(false);
    else if (evenement->type() == QEvent::FocusOut)
        commande1_->setDefault(true);
    else if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            if (objet == lecteur1_)
                changer_lecteur(lecteur1_->currentIndex());
            else if (QTreeWidgetItem* item = repertoire1_->currentItem())
                changer_repertoire(item->data(0, chemin_role).toString());
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void DialogueFichier::changer_lecteur(int index)
{
    const QFileInfo racine(racine_lecteur(lecteur1_->itemText(index)));
    if (!racine.isDir() || !racine.isReadable()) {
        disque_indisponible();
        return;
    }
    changer_repertoire(racine.filePath());
}

// The directory list stays where it was: going back to lecteurinitial does not browse again.
void DialogueFichier::disque_indisponible()
{
    poste_.plateforme.boites.message(QStringLiteral("Choix du disque"), QStringLiteral("disque indisponible ! "), false);
    const QSignalBlocker bloque(lecteur1_);
    lecteur1_->setCurrentText(lecteurinitial_);
}

void DialogueFichier::changer_repertoire(const QString& chemin)
{
    const QFileInfo dossier(chemin);
    if (!dossier.isDir() || !dossier.isReadable()) {
        QApplication::beep();
        return;
    }
    repertoire_ = QDir::toNativeSeparators(dossier.absoluteFilePath());

    // The directories above it, each inside the one before, then its subfolders inside it.
    const QSignalBlocker bloque(repertoire1_);
    repertoire1_->clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    const auto ajouter = [&](const QString& chemin_entree, const QIcon& icone) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(repertoire1_);
        item->setText(0, nom_affiche(chemin_entree));
        item->setIcon(0, icone);
        item->setData(0, chemin_role, chemin_entree);
        return item;
    };
    for (const QString& dessus : chemins_parents(repertoire_))
        parent = ajouter(dessus, ouvert);
    for (const QString& sous : sous_repertoires(repertoire_))
        ajouter(chemin_complet(repertoire_, sous), ferme);
    repertoire1_->expandAll();
    repertoire1_->setCurrentItem(parent);

    remplir_fichiers();
    afficher_repertoire();
    if (!nom_valide(texte1_->text()))
        texte1_->setText(motif_);
}

void DialogueFichier::afficher_repertoire()
{
    const QFontMetrics mesure(label_rep_->font());
    label_rep_->setText(repertoire_affiche(repertoire_, label_rep_->width(),
                                           [&](const QString& texte) { return mesure.horizontalAdvance(texte); }));
    texte1_->setText(motif_);
}

void DialogueFichier::remplir_fichiers()
{
    const QSignalBlocker bloque(fichier1_);
    fichier1_->clear();
    fichier1_->addItems(fichiers_du_repertoire(repertoire_, motif_fichiers_));
    fichier1_->setCurrentRow(-1);
}

void DialogueFichier::texte_change(const QString& texte)
{
    const bool valide = nom_valide(texte);
    const bool motif_tape = valide && contient_joker(texte);
    commande1_->setEnabled(valide && !motif_tape);
    filtrer(motif_tape ? texte : motif_);
}

void DialogueFichier::filtrer(const QString& motif)
{
    if (motif == motif_fichiers_)
        return;
    motif_fichiers_ = motif;
    remplir_fichiers();
}

void DialogueFichier::confirmer()
{
    // Ok again, or Annuler, from inside the decoder's yields would act on a dialog at work.
    if (confirme_)
        return;
    confirme_ = true;
    const QString chemin = chemin_complet(repertoire_, texte1_->text());
    if (sorte_ == Sorte::lecture)
        confirmer_lecturefichier(poste_.plateforme, poste_.etat, poste_.modele, chemin);
    else
        confirmer_enregistrefichier(poste_.plateforme.boites, poste_.etat, chemin);
    confirme_ = false;
    decharger();
}

void DialogueFichier::reject() { decharger(); }

void DialogueFichier::decharger()
{
    if (confirme_)
        return;
    hide();
    setEnabled(false);
    deleteLater();
}

} // namespace optolink
