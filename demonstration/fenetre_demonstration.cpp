#include "demonstration/fenetre_demonstration.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
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
    mise_en_page->addWidget(texte(QStringLiteral("Aux autres questions, répondre comme avec le matériel. Un message "
                                                 "envoyé depuis une fenêtre est reçu par l'autre, dans les quatre codages."),
                                  this));
    if (!exemples.isEmpty())
        mise_en_page->addWidget(texte(QStringLiteral("Enregistrements d'exemple à décoder (fichiers *.rrr) :<br><tt>%1</tt>")
                                          .arg(QDir::toNativeSeparators(exemples).toHtmlEscaped()),
                                      this));
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
