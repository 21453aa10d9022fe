#include "fenetre/fenetre_signal.h"

#include "codages/abreviations.h"
#include "dessin/axes.h"
#include "dessin/image_trace.h"
#include "dessin/texte_bilan.h"
#include "fichiers/csv.h"
#include "fichiers/lieux.h"
#include "fenetre/grand_affichage.h"
#include "fenetre/sorties.h"
#include "fenetre/vue_direct.h"
#include "fenetre/vue_trace.h"
#include "rapide/trace_reception.h"
#include "liaison/interface.h"
#include "poste/table_menus.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace optolink {

namespace {

constexpr int onglet_enregistrement = 0;
constexpr int onglet_direct = 1;

int index_periode(double periode_s) { return std::max(0, mode_de_periode(periode_s)); }

const QString aucun_enregistrement = QStringLiteral(
    "Aucun enregistrement rapide n'a encore été reçu.\n\nLe signal s'affiche ici après une réception en morse "
    "rapide ou en binaire rapide, ou après l'ouverture d'un fichier *.rrr (menu Signal).");

QPushButton* bouton(const QString& texte, QWidget* parent, const char* nom)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    return b;
}

} // namespace

FenetreSignal::FenetreSignal(Signaux& signaux, const Etat& etat, Boites& boites, QWidget* parent)
    : QWidget(parent, Qt::Window), signaux_(signaux), etat_(etat), boites_(boites), onglets_(new QTabWidget(this)),
      vue_trace_(new VueTrace), vue_direct_(new VueDirect(signaux, etat)), codage_(new QComboBox),
      periode_(new QComboBox), bilan_(new QLabel), bilan_lent_(new QLabel), envoye_(new QComboBox),
      message_grand_(new QLabel), grand_(bouton(QStringLiteral("Grand affichage (F11)"), this, "grand_affichage_signal"))
{
    setObjectName(QStringLiteral("fenetre_signal"));
    setWindowTitle(QStringLiteral("Signal"));
    resize(1100, 600);
    onglets_->addTab(page_enregistrement(), QStringLiteral("Enregistrement rapide"));
    onglets_->addTab(page_direct(), QStringLiteral("En direct (codages lents)"));
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(barre_envoye());
    message_grand_->setObjectName(QStringLiteral("message_grand_signal"));
    message_grand_->setWordWrap(true);
    message_grand_->setTextFormat(Qt::RichText);
    message_grand_->hide();
    tout->addWidget(message_grand_);
    tout->addWidget(onglets_, 1);
    // The reports wrap to the window: their long lines never widen it, in the large display least.
    for (QLabel* l : {bilan_, bilan_lent_, message_grand_})
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    raccourci_grand_affichage(this, grand_);
    connect(grand_, &QPushButton::toggled, this, [this](bool grand) { grand_affichage(grand); });

    vue_trace_->montrer(std::nullopt, aucun_enregistrement);
    codage_->setEnabled(false);
    periode_->setEnabled(false);
    connect(codage_, &QComboBox::activated, this, [this] { relire_fichier(); });
    connect(periode_, &QComboBox::activated, this, [this] { relire_fichier(); });
    vue_trace_->surCurseurs = [this] { montrer_bilan(); };
    reception_ = signaux_.surReception.brancher([this] { reception_terminee(); });
}

// The canned messages and the quiz texts in the list; anything else typed.
QLayout* FenetreSignal::barre_envoye()
{
    auto* barre = new QHBoxLayout;
    envoye_->setObjectName(QStringLiteral("message_envoye"));
    envoye_->setEditable(true);
    envoye_->setInsertPolicy(QComboBox::NoInsert);
    envoye_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    envoye_->setMinimumContentsLength(30);
    envoye_->lineEdit()->setPlaceholderText(
        QStringLiteral("le message tapé sur le poste émetteur, pour compter les erreurs de la réception"));
    envoye_->addItem(QString());
    for (int n = 1; n <= 4; ++n)
        envoye_->addItem(abreviation(n).texte.trimmed());
    for (const DescriptionMenu& d : table_menus())
        if (const auto* q = std::get_if<Question>(&d.action))
            for (const char* texte : {q->binaire_rapide, q->morse_rapide})
                envoye_->addItem(QString::fromUtf8(texte).trimmed());
    connect(envoye_, &QComboBox::currentTextChanged, this, [this](const QString& texte) { choisir_envoye(texte); });
    barre->addWidget(new QLabel(QStringLiteral("Message envoyé :")));
    barre->addWidget(envoye_, 1);
    barre->addWidget(grand_);
    return barre;
}

void FenetreSignal::choisir_envoye(const QString& texte)
{
    if (envoye_->currentText() != texte)
        envoye_->setEditText(texte);
    montrer_bilan();
    montrer_bilan_lent();
}

void FenetreSignal::grand_affichage(bool grand)
{
    grand_affichage_ = grand;
    // Hidden, the bar's buttons no longer set the width: the window fits the projector's screen.
    // The report's lines, twice as tall, take from the trace's height.
    onglets_->setMinimumWidth(grand ? vue_trace_->minimumWidth() : 0);
    vue_trace_->setMinimumHeight(grand ? 220 : 360);
    appliquer_grand_affichage(this, grand);
    QFont trace = police_dessin();
    trace.setPointSizeF(grand ? 16 : trace.pointSizeF());
    vue_trace_->setFont(grand ? trace : police_dessin());
    QFont message = font();
    message.setPointSizeF(message.pointSizeF() * 2);
    message.setBold(true);
    message_grand_->setFont(message);
    message_grand_->setVisible(grand);
    // The class reads the trace and the counts; the exports and the mouse's help wait on the desk.
    for (QWidget* w : hors_grand_affichage_)
        w->setVisible(!grand);
    montrer_bilan();
    montrer_bilan_lent();
}

QWidget* FenetreSignal::page_enregistrement()
{
    auto* enregistrement = new QWidget;
    QHBoxLayout* barre = barre_enregistrement();
    auto* colonne = new QVBoxLayout(enregistrement);
    colonne->addLayout(barre);
    colonne->addWidget(vue_trace_, 1);
    bilan_->setObjectName(QStringLiteral("bilan_signal"));
    bilan_->setTextFormat(Qt::RichText);
    bilan_->setWordWrap(true);
    bilan_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    colonne->addWidget(bilan_);
    auto* aide = new QLabel(QStringLiteral(
        "Molette : zoom autour du pointeur · glisser : déplacer · F ou Origine : tout voir · + et − : zoom · "
        "flèches : déplacer\nClic : placer un curseur (Maj : sur le front le plus proche) · glisser un curseur : "
        "le déplacer · 1 ou 2 puis Ctrl+flèches : le régler d'un échantillon (Maj : dix) · E : sur le front · "
        "Suppr : effacer les curseurs"));
    colonne->addWidget(aide);
    hors_grand_affichage_.push_back(aide);
    return enregistrement;
}

// How to decode the recording shown, and what can be done with it.
QHBoxLayout* FenetreSignal::barre_enregistrement()
{
    auto* barre = new QHBoxLayout;
    codage_->setObjectName(QStringLiteral("codage_signal"));
    codage_->addItems({QStringLiteral("morse rapide"), QStringLiteral("binaire rapide")});
    periode_->setObjectName(QStringLiteral("periode_signal"));
    for (const ModeVitesse& p : modes_vitesse)
        periode_->addItem(QString::fromUtf8(p.libelle));
    barre->addWidget(new QLabel(QStringLiteral("Décoder comme :")));
    barre->addWidget(codage_);
    barre->addWidget(new QLabel(QStringLiteral("Période d'échantillonnage :")));
    barre->addWidget(periode_);
    barre->addStretch();
    QPushButton* ajuster = bouton(QStringLiteral("Tout voir (F)"), this, "ajuster_signal");
    QPushButton* png = bouton(QStringLiteral("Exporter en PNG…"), this, "exporter_png");
    QPushButton* svg = bouton(QStringLiteral("Exporter en SVG…"), this, "exporter_svg");
    QPushButton* csv = bouton(QStringLiteral("Exporter en CSV…"), this, "exporter_csv");
    QPushButton* pdf = bouton(QStringLiteral("Compte rendu (PDF)…"), this, "compte_rendu_pdf");
    QPushButton* impression = bouton(QStringLiteral("Imprimer…"), this, "imprimer_signal");
    for (QPushButton* b : {ajuster, png, svg, csv, pdf, impression})
        barre->addWidget(b);
    svg->setVisible(svg_disponible);
    for (QPushButton* b : {png, svg, csv, pdf, impression})
        if (b != svg || svg_disponible)
            hors_grand_affichage_.push_back(b);
    connect(ajuster, &QPushButton::clicked, vue_trace_, &VueTrace::ajuster);
    connect(png, &QPushButton::clicked, this, [this] { exporter(QStringLiteral("png")); });
    connect(svg, &QPushButton::clicked, this, [this] { exporter(QStringLiteral("svg")); });
    connect(csv, &QPushButton::clicked, this, [this] { exporter_csv(); });
    connect(pdf, &QPushButton::clicked, this, [this] { compte_rendu_pdf(); });
    connect(impression, &QPushButton::clicked, this, [this] { imprimer(); });
    return barre;
}

QWidget* FenetreSignal::page_direct()
{
    auto* direct = new QWidget;
    auto* colonne = new QVBoxLayout(direct);
    colonne->addWidget(vue_direct_, 1);
    bilan_lent_->setObjectName(QStringLiteral("bilan_lent_signal"));
    bilan_lent_->setTextFormat(Qt::RichText);
    bilan_lent_->setWordWrap(true);
    bilan_lent_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    colonne->addWidget(bilan_lent_);
    return direct;
}

void FenetreSignal::remplir_menu(QMenu* menu)
{
    QAction* dernier = menu->addAction(QStringLiteral("Afficher le signal du dernier enregistrement"));
    dernier->setObjectName(QStringLiteral("menu_signal_dernier"));
    connect(dernier, &QAction::triggered, this, [this] { afficher_dernier_enregistrement(); });
    QAction* fichier = menu->addAction(QStringLiteral("Afficher le signal d'un fichier *.rrr…"));
    fichier->setObjectName(QStringLiteral("menu_signal_fichier"));
    connect(fichier, &QAction::triggered, this, [this] { choisir_fichier(); });
    apres_reception_ = menu->addAction(QStringLiteral("Afficher le signal après chaque réception"));
    apres_reception_->setObjectName(QStringLiteral("menu_signal_apres_reception"));
    apres_reception_->setCheckable(true);
}

void FenetreSignal::montrer_onglet(int onglet)
{
    onglets_->setCurrentIndex(onglet);
    show();
    raise();
}

void FenetreSignal::afficher_dernier_enregistrement()
{
    const auto& dernier = signaux_.dernier_enregistrement();
    fichier_.clear();
    codage_->setEnabled(false);
    periode_->setEnabled(false);
    if (dernier) {
        codage_->setCurrentIndex(dernier->codage == CodageRapide::morse ? 0 : 1);
        periode_->setCurrentIndex(index_periode(dernier->periode_s));
    }
    vue_trace_->montrer(dernier, aucun_enregistrement);
    // In a slow coding nothing is recorded: what the light did is the live chart.
    montrer_bilan_lent();
    montrer_onglet(codage_lent() ? onglet_direct : onglet_enregistrement);
}

bool FenetreSignal::codage_lent() const
{
    return !etat_.typecodage || !est_rapide(*etat_.typecodage);
}

void FenetreSignal::choisir_fichier()
{
    const QString depart = etat_.nomfichier.isEmpty() ? dossier_documents()
                                                            : QFileInfo(etat_.nomfichier).absolutePath();
    auto* dialogue = new QFileDialog(this, QStringLiteral("Afficher le signal d'un fichier *.rrr"), depart,
                                     QStringLiteral("Enregistrements (*.rrr);;Tous les fichiers (*)"));
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    dialogue->setFileMode(QFileDialog::ExistingFile);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogue, &QFileDialog::fileSelected, this, [this](const QString& chemin) { afficher_fichier(chemin); });
    dialogue->open();
}

void FenetreSignal::afficher_fichier(const QString& chemin)
{
    fichier_ = chemin;
    // A file does not say how it was recorded: start from the coding and the speed chosen now.
    codage_->setCurrentIndex(etat_.typecodage == Codage::binaire_rapide ? 1 : 0);
    periode_->setCurrentIndex(index_periode(etat_.periodemesure));
    codage_->setEnabled(true);
    periode_->setEnabled(true);
    relire_fichier();
    montrer_onglet(onglet_enregistrement);
}

void FenetreSignal::relire_fichier()
{
    if (fichier_.isEmpty())
        return;
    QFile fichier(fichier_);
    if (!fichier.open(QIODevice::ReadOnly)) {
        vue_trace_->montrer(std::nullopt, QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(fichier_));
        return;
    }
    Trace trace = trace_fichier(fichier, codage_->currentIndex() == 0 ? CodageRapide::morse : CodageRapide::binaire,
                                modes_vitesse[std::max(0, periode_->currentIndex())].periode_s);
    trace.origine = fichier_;
    vue_trace_->montrer(std::move(trace), {});
}

void FenetreSignal::enregistrer(const QString& titre, const QString& suffixe, const QString& filtre,
                                std::function<QString(const QString& chemin)> ecrire)
{
    if (!vue_trace_->trace())
        return;
    const QString origine = vue_trace_->trace()->origine;
    const QString nom = origine.isEmpty() ? QDir(dossier_documents()).filePath(QStringLiteral("signal.") + suffixe)
                                          : QFileInfo(origine).path() + u'/' + QFileInfo(origine).completeBaseName()
                                                + u'.' + suffixe;
    enregistrer_sous(
        this, titre, nom, suffixe, filtre,
        [this, ecrire = std::move(ecrire)](const QString& chemin) {
            return vue_trace_->trace() ? ecrire(chemin) : QString();
        },
        [this](const QString& raison) { boites_.message(QStringLiteral("Exportation impossible"), raison, false); });
}

void FenetreSignal::exporter(const QString& suffixe)
{
    enregistrer(QStringLiteral("Exporter le signal en %1").arg(suffixe.toUpper()), suffixe,
                     QStringLiteral("Image %1 (*.%2)").arg(suffixe.toUpper(), suffixe), [this](const QString& chemin) {
                         return exporter_image(*vue_trace_->trace(), vue_trace_->cadrage(), chemin, taille_image,
                                               vue_trace_->curseurs());
                     });
}

void FenetreSignal::exporter_csv()
{
    enregistrer(QStringLiteral("Exporter les mesures en CSV"), QStringLiteral("csv"),
                     QStringLiteral("Tableau CSV (*.csv)"), [this](const QString& chemin) {
                         const Trace& t = *vue_trace_->trace();
                         return ecrire_csv(chemin, t.niveaux, t.periode_s);
                     });
}

CompteRendu FenetreSignal::compte_rendu() const
{
    return {*vue_trace_->trace(), vue_trace_->curseurs(), QDateTime::currentDateTime(), envoye_->currentText()};
}

void FenetreSignal::compte_rendu_pdf()
{
    enregistrer(QStringLiteral("Compte rendu en PDF"), QStringLiteral("pdf"),
                     QStringLiteral("Document PDF (*.pdf)"),
                     [this](const QString& chemin) { return ecrire_compte_rendu_pdf(chemin, compte_rendu()); });
}

void FenetreSignal::imprimer()
{
    if (!vue_trace_->trace())
        return;
    imprimer_a4(this, [this](QPainter& p, const QRectF& page) {
        if (vue_trace_->trace())
            dessiner_compte_rendu(p, page, compte_rendu());
    });
}

namespace {

// The report as rich text: the message received with its errors marked, the lines, the legend of
// the errors; and the received message for the large display.
struct TexteBilan {
    QString rapport;
    QString message;
};

TexteBilan texte_bilan(const Bilan& b, const QString& recu, bool binaire, const QStringList& en_plus, bool complet)
{
    QStringList lignes;
    // The indented lines keep their indent: rich text folds blanks.
    for (const QString& l : lignes_bilan(b, complet) + en_plus) {
        const auto blancs = std::ranges::find_if(l, [](QChar c) { return c != u' '; }) - l.begin();
        lignes << QStringLiteral("&nbsp;").repeated(blancs) + l.mid(blancs).toHtmlEscaped();
    }
    const QString message = b.erreurs ? recu_marque(texte_recu(recu), *b.erreurs) : texte_recu(recu).toHtmlEscaped();
    // On the projector the message stands in large type above: the report goes straight to the counts.
    QString rapport = (complet ? QStringLiteral("<b>Message reçu : « %1 »</b><br>").arg(message) : QString())
                      + lignes.join(QStringLiteral("<br>"));
    if (b.erreurs && complet)
        rapport += QStringLiteral("<br><small><i>%1</i></small>").arg(legende_erreurs(binaire).toHtmlEscaped());
    return {rapport, message};
}

} // namespace

void FenetreSignal::montrer_bilan()
{
    Habillage habillage;
    habillage.epaisseur = grand_affichage_ ? 3 : 1;
    TexteBilan texte;
    if (const auto& trace = vue_trace_->trace()) {
        QStringList curseurs;
        if (const auto m = mesurer(vue_trace_->curseurs(), *trace))
            curseurs << QStringLiteral("Curseurs : ") + texte_mesure(*m);
        if (const auto b = bilan(*trace, envoye_->currentText())) {
            texte = texte_bilan(*b, trace->message, trace->codage == CodageRapide::binaire, curseurs, !grand_affichage_);
            if (b->erreurs)
                habillage.caracteres_faux = caracteres_lus_faux(*trace, *b->erreurs);
        } else if (!curseurs.isEmpty()) {
            texte.rapport = curseurs.front().toHtmlEscaped();
        }
    }
    vue_trace_->habiller(std::move(habillage));
    bilan_->setText(texte.rapport);
    if (!codage_lent())
        message_grand_->setText(texte.message);
}

void FenetreSignal::montrer_bilan_lent()
{
    const Etat& e = etat_;
    const Codage codage = e.typecodage.value_or(Codage::binaire_rapide);
    const std::optional<Bilan> b
        = codage_lent() ? bilan_lent({signaux_.derniere_reception_lente(), signaux_.tensions(), e.message, codage,
                                      e.tensionseuil},
                                     e.dureebit, e.periodemesure, envoye_->currentText())
                        : std::nullopt;
    const TexteBilan texte = b ? texte_bilan(*b, e.message, codage == Codage::binaire, {}, !grand_affichage_) : TexteBilan{};
    bilan_lent_->setText(b ? QStringLiteral("Dernière réception, au tic de la minuterie près :<br>") + texte.rapport
                           : QString());
    if (codage_lent())
        message_grand_->setText(texte.message);
}

void FenetreSignal::reception_terminee()
{
    montrer_bilan_lent();
    if (apres_reception_ && apres_reception_->isChecked())
        afficher_dernier_enregistrement();
}

} // namespace optolink
