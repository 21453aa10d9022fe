#include "fenetre/sorties.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace optolink {

void enregistrer_sous(QWidget* parent, const QString& titre, const QString& nom, const QString& suffixe,
                      const QString& filtre, std::function<QString(const QString& chemin)> ecrire,
                      std::function<void(const QString& raison)> montrer_erreur)
{
    auto* dialogue = new QFileDialog(parent, titre, nom, filtre);
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setDefaultSuffix(suffixe);
    dialogue->selectFile(nom);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialogue, &QFileDialog::fileSelected, parent,
                     [ecrire = std::move(ecrire), montrer_erreur = std::move(montrer_erreur)](const QString& chemin) {
                         if (const QString raison = ecrire(chemin); !raison.isEmpty())
                             montrer_erreur(raison);
                     });
    dialogue->open();
}

void imprimer_a4(QWidget* parent, std::function<void(QPainter& p, const QRectF& page)> dessiner)
{
    auto* imprimante = new QPrinter(QPrinter::HighResolution);
    imprimante->setPageSize(QPageSize(QPageSize::A4));
    imprimante->setFullPage(true);
    auto* dialogue = new QPrintDialog(imprimante, parent);
    dialogue->setWindowTitle(QStringLiteral("Imprimer le compte rendu"));
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialogue, &QDialog::accepted, parent, [imprimante, dessiner = std::move(dessiner)] {
        QPainter p(imprimante);
        dessiner(p, imprimante->paperRect(QPrinter::DevicePixel));
    });
    QObject::connect(dialogue, &QObject::destroyed, parent, [imprimante] { delete imprimante; });
    dialogue->open();
}

} // namespace optolink
