#include "demonstration/fenetre_demonstration.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace optolink::demonstration {

namespace {
QLabel* texte(const QString& contenu, QWidget* parent)
{
    auto* l = new QLabel(contenu, parent);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}
} // namespace

FenetreDemonstration::FenetreDemonstration(Lanceur& lanceur, const std::array<int, 2>& ports, const QString& exemples)
    : lanceur_(lanceur)
{
    setWindowTitle(QStringLiteral("Communication par laser — démonstration sans matériel"));
    auto* mise_en_page = new QVBoxLayout(this);
    // The window grows with a longer status rather than squeezing the settings.
    mise_en_page->setSizeConstraint(QLayout::SetMinimumSize);
    auto* titre = texte(QStringLiteral("Démonstration sans matériel"), this);
    QFont grande = titre->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    grande.setBold(true);
    titre->setFont(grande);
    mise_en_page->addWidget(titre);
    mise_en_page->addWidget(texte(
        QStringLiteral("Un banc simulé remplace les deux interfaces et leur montage : le laser de chaque interface "
                       "éclaire la photodiode de l'autre. Deux fenêtres du programme s'ouvrent, chacune reliée "
                       "à une interface simulée."),
        this));
    mise_en_page->addWidget(texte(QStringLiteral("<b>Dans la première fenêtre : répondre %1 au numéro de port.</b><br>"
                                                 "<b>Dans la seconde fenêtre : répondre %2 au numéro de port.</b>")
                                      .arg(ports[0])
                                      .arg(ports[1]),
                                  this));
    mise_en_page->addWidget(
        texte(QStringLiteral("Aux autres questions, répondre comme avec le matériel. Un message "
                             "envoyé depuis une fenêtre est reçu par l'autre, dans les quatre codages."),
              this));
    if (!exemples.isEmpty())
        mise_en_page->addWidget(
            texte(QStringLiteral("Enregistrements d'exemple à décoder (fichiers *.rrr) :<br><tt>%1</tt>")
                      .arg(QDir::toNativeSeparators(exemples).toHtmlEscaped()),
                  this));
    mise_en_page->addWidget(reglages_lumiere(ports));
    etat_ = texte(QStringLiteral("Démarrage du banc simulé…"), this);
    mise_en_page->addWidget(etat_);
    auto* arreter = new QPushButton(QStringLiteral("Arrêter la démonstration"), this);
    mise_en_page->addWidget(arreter, 0, Qt::AlignRight);
    connect(arreter, &QPushButton::clicked, this, &QWidget::close);

    connect(&lanceur_, &Lanceur::banc_pret, this, [this, ports] {
        etat_->setText(QStringLiteral("Banc simulé prêt sur les ports %1 et %2.").arg(ports[0]).arg(ports[1]));
    });
    connect(&lanceur_, &Lanceur::erreur, this, [this](const QString& raison) {
        etat_->setText(QStringLiteral("<b>%1</b>").arg(raison.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))));
    });
    connect(&lanceur_, &Lanceur::fini, qApp, &QCoreApplication::quit);
    setMinimumWidth(460);
}

// The light that reaches each photodiode, for the attenuation and error-rate experiments: its
// distance from the facing laser (the bench's model: a widening spot on a small photodiode), the
// room's ambient light and the noise of the reading. Each change reaches the bench at once.
QGroupBox* FenetreDemonstration::reglages_lumiere(const std::array<int, 2>& ports)
{
    auto* groupe = new QGroupBox(QStringLiteral("Lumière reçue (banc simulé)"), this);
    auto* grille = new QGridLayout(groupe);
    const QStringList colonnes{QStringLiteral("Distance au laser (m)"), QStringLiteral("Lumière ambiante (V)"),
                               QStringLiteral("Bruit (V)")};
    for (int c = 0; c < colonnes.size(); ++c)
        grille->addWidget(new QLabel(colonnes[c], groupe), 0, c + 1);
    struct Reglage {
        double max, pas;
        int decimales;
    };
    const Reglage reglages[] = {{20, 0.5, 1}, {3, 0.1, 2}, {1, 0.05, 2}};
    for (int rang = 0; rang < 2; ++rang) {
        grille->addWidget(
            new QLabel(QStringLiteral("Photodiode du port %1").arg(ports[static_cast<std::size_t>(rang)]), groupe),
            rang + 1, 0);
        std::array<QDoubleSpinBox*, 3> boites{};
        for (int c = 0; c < 3; ++c) {
            auto* boite = new QDoubleSpinBox(groupe);
            boite->setRange(0, reglages[c].max);
            boite->setSingleStep(reglages[c].pas);
            boite->setDecimals(reglages[c].decimales);
            boite->setLocale(QLocale(QLocale::French, QLocale::France));
            grille->addWidget(boite, rang + 1, c + 1);
            boites[static_cast<std::size_t>(c)] = boite;
        }
        for (QDoubleSpinBox* boite : boites)
            connect(boite, &QDoubleSpinBox::valueChanged, this, [this, rang, boites] {
                lanceur_.commander_banc(QStringLiteral("lumiere %1 distance=%2 ambiante=%3 bruit=%4")
                                            .arg(QLatin1String(rang == 0 ? "A" : "B"))
                                            .arg(boites[0]->value())
                                            .arg(boites[1]->value())
                                            .arg(boites[2]->value()));
            });
    }
    return groupe;
}

// Closing the window stops the bench and the program windows; the launcher ends once they have.
void FenetreDemonstration::closeEvent(QCloseEvent* evenement)
{
    if (lanceur_.en_marche()) {
        etat_->setText(QStringLiteral("Arrêt de la démonstration…"));
        lanceur_.arreter();
        evenement->ignore();
        return;
    }
    evenement->accept();
    QCoreApplication::quit();
}

} // namespace optolink::demonstration
