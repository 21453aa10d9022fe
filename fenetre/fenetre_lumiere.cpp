#include "fenetre/fenetre_lumiere.h"

#include "dessin/dessin_lumiere.h"
#include "fenetre/grand_affichage.h"
#include "fenetre/sorties.h"
#include "fenetre/vue_lumiere.h"
#include "fichiers/csv.h"
#include "fichiers/lieux.h"
#include "liaison/nombres.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace optolink {

namespace {

// A noted voltage is the mean of the readings of the last second: the timer reads every 30 or 50 ms.
constexpr double duree_moyenne_s = 1;

QPushButton* bouton(const QString& texte, const char* nom)
{
    auto* b = new QPushButton(texte);
    b->setObjectName(nom);
    return b;
}

} // namespace

FenetreLumiere::FenetreLumiere(const Signaux& signaux, const Etat& etat, Boites& boites, QWidget* parent)
    : QWidget(parent, Qt::Window), signaux_(signaux), etat_(etat), boites_(boites), tension_(new QLabel),
      position_(new QLineEdit), tableau_(new QTableWidget(0, int(entetes_lumiere.size()))), ajustement_(new QLabel),
      vue_(new VueLumiere), grand_(bouton(QStringLiteral("Grand affichage (F11)"), "grand_affichage_lumiere"))
{
    setObjectName(QStringLiteral("fenetre_lumiere"));
    setWindowTitle(QStringLiteral("Mesurer la lumière reçue"));
    resize(1000, 700);
    tension_->setObjectName(QStringLiteral("tension_lumiere"));
    tension_->setAlignment(Qt::AlignCenter);
    auto* explication = new QLabel(QStringLiteral(
        "Tension de EA0 lue par la minuterie, en moyenne sur la dernière seconde. Sur l'autre poste, menu Signal › "
        "« Laser allumé en continu (mesures) » ; noter chaque position laser allumé puis laser éteint. Mesurer dans "
        "un codage lent : en codage rapide, la lumière continue lance un enregistrement sur ce poste, et ses lectures "
        "s'arrêtent le temps du téléchargement."));
    explication->setWordWrap(true);
    tableau_->setObjectName(QStringLiteral("tableau_lumiere"));
    tableau_->setHorizontalHeaderLabels(entetes_lumiere);
    tableau_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableau_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ajustement_->setObjectName(QStringLiteral("ajustement_lumiere"));
    ajustement_->setWordWrap(true);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(tableau_, 1);
    gauche->addWidget(ajustement_);
    auto* milieu = new QHBoxLayout;
    milieu->addLayout(gauche, 1);
    milieu->addWidget(vue_, 1);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(tension_);
    tout->addWidget(explication);
    tout->addLayout(barre_notes());
    tout->addLayout(milieu, 1);
    tout->addLayout(barre_sorties());

    raccourci_grand_affichage(this, grand_);
    connect(grand_, &QPushButton::toggled, this, [this](bool grand) { grand_affichage(grand); });
    connect(&rafraichir_, &QTimer::timeout, this, [this] { montrer_tension(); });
    rafraichir_.start(200);
    grand_affichage(false);
    montrer_releves();
}

QLayout* FenetreLumiere::barre_notes()
{
    auto* barre = new QHBoxLayout;
    position_->setObjectName(QStringLiteral("position_lumiere"));
    position_->setPlaceholderText(QStringLiteral("« 1,5 m », « 2 feuilles »…"));
    QPushButton* allume = bouton(QStringLiteral("Noter (laser allumé)"), "noter_allume");
    QPushButton* eteint = bouton(QStringLiteral("Noter (laser éteint)"), "noter_eteint");
    QPushButton* retirer = bouton(QStringLiteral("Retirer la dernière ligne"), "retirer_lumiere");
    QPushButton* vider = bouton(QStringLiteral("Tout effacer"), "effacer_lumiere");
    barre->addWidget(new QLabel(QStringLiteral("Position :")));
    barre->addWidget(position_, 1);
    for (QPushButton* b : {allume, eteint, retirer, vider})
        barre->addWidget(b);
    connect(allume, &QPushButton::clicked, this, [this] { noter(true); });
    connect(eteint, &QPushButton::clicked, this, [this] { noter(false); });
    connect(retirer, &QPushButton::clicked, this, [this] {
        if (!releves_.empty())
            releves_.pop_back();
        montrer_releves();
    });
    connect(vider, &QPushButton::clicked, this, [this] {
        releves_.clear();
        montrer_releves();
    });
    return barre;
}

QLayout* FenetreLumiere::barre_sorties()
{
    auto* barre = new QHBoxLayout;
    QPushButton* csv = bouton(QStringLiteral("Exporter en CSV…"), "csv_lumiere");
    QPushButton* pdf = bouton(QStringLiteral("Compte rendu (PDF)…"), "pdf_lumiere");
    QPushButton* impression = bouton(QStringLiteral("Imprimer…"), "imprimer_lumiere");
    barre->addWidget(grand_);
    barre->addStretch();
    for (QPushButton* b : {csv, pdf, impression})
        barre->addWidget(b);
    connect(csv, &QPushButton::clicked, this, [this] { exporter_csv(); });
    connect(pdf, &QPushButton::clicked, this, [this] { compte_rendu_pdf(); });
    connect(impression, &QPushButton::clicked, this, [this] { imprimer(); });
    return barre;
}

double FenetreLumiere::tension_notee() const
{
    return moyenne_recente(signaux_.tensions(), duree_moyenne_s).value_or(etat_.tensionlue);
}

void FenetreLumiere::montrer_tension()
{
    if (isVisible())
        tension_->setText(QStringLiteral("EA0 : %1 V").arg(nombre_fr(tension_notee(), 2)));
}

void FenetreLumiere::noter(bool allume)
{
    if (position_->text().trimmed().isEmpty()) {
        boites_.message(QStringLiteral("Position à noter"),
                        QStringLiteral("Écrire d'abord la position de la photodiode, par exemple « 1,5 m » ou "
                                       "« 2 feuilles »."),
                        false);
        return;
    }
    noter_releve(releves_, position_->text(), tension_notee(), allume);
    montrer_releves();
}

void FenetreLumiere::montrer_releves()
{
    const auto lignes = lignes_lumiere(releves_);
    const auto ajustement = ajuster_attenuation(lignes);
    tableau_->setRowCount(static_cast<int>(lignes.size()));
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        const QStringList cellules = cellules_lumiere(lignes[r]);
        for (int c = 0; c < cellules.size(); ++c) {
            auto* item = new QTableWidgetItem(cellules[c]);
            item->setTextAlignment(Qt::AlignCenter);
            tableau_->setItem(static_cast<int>(r), c, item);
        }
    }
    ajustement_->setText(texte_ajustement(lignes, ajustement));
    vue_->montrer(lignes, ajustement);
}

void FenetreLumiere::grand_affichage(bool grand)
{
    // Beyond the window's large type: the voltage huge, the plot's marks thick.
    appliquer_grand_affichage(this, grand);
    QFont chiffres = font();
    chiffres.setPointSize(grand ? 110 : 48);
    chiffres.setBold(true);
    tension_->setFont(chiffres);
    QFont dessin = vue_->font();
    dessin.setPointSizeF(grand ? 18 : 9);
    vue_->setFont(dessin);
    vue_->grossir(grand ? 3 : 1);
    montrer_tension();
}

void FenetreLumiere::exporter_csv()
{
    enregistrer_sous(
        this, QStringLiteral("Exporter les mesures de lumière en CSV"),
        QDir(dossier_documents()).filePath(QStringLiteral("lumiere.csv")), QStringLiteral("csv"),
        QStringLiteral("Tableau CSV (*.csv)"),
        [this](const QString& chemin) {
            const auto lignes = lignes_lumiere(releves_);
            return ecrire_texte_csv(chemin, csv_lumiere(lignes, ajuster_attenuation(lignes)));
        },
        [this](const QString& raison) { boites_.message(QStringLiteral("Exportation impossible"), raison, false); });
}

void FenetreLumiere::compte_rendu_pdf()
{
    enregistrer_sous(
        this, QStringLiteral("Compte rendu en PDF"), QDir(dossier_documents()).filePath(QStringLiteral("lumiere.pdf")),
        QStringLiteral("pdf"), QStringLiteral("Document PDF (*.pdf)"),
        [this](const QString& chemin) {
            return ecrire_compte_rendu_lumiere_pdf(chemin, {releves_, QDateTime::currentDateTime()});
        },
        [this](const QString& raison) { boites_.message(QStringLiteral("Exportation impossible"), raison, false); });
}

void FenetreLumiere::imprimer()
{
    imprimer_a4(this, [this](QPainter& p, const QRectF& page) {
        dessiner_compte_rendu_lumiere(p, page, {releves_, QDateTime::currentDateTime()});
    });
}

} // namespace optolink
