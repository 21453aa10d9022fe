#include "app/qt/boites_qt.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace optolink {

QWidget* BoitesQt::parent() const { return fenetre_ && fenetre_->isVisible() ? fenetre_.data() : nullptr; }

// The window gets the keyboard back, access keys included, even where no window manager does it.
void BoitesQt::rendre_la_main() const
{
    if (QWidget* fenetre = parent())
        QTimer::singleShot(0, fenetre, [fenetre] { fenetre->activateWindow(); });
}

Boites::Reponse BoitesQt::message(const QString& titre, const QString& texte, bool avecAnnuler)
{
    QMessageBox boite(QMessageBox::NoIcon, titre, texte,
        avecAnnuler ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent());
    boite.setTextFormat(Qt::PlainText);
    boite.button(QMessageBox::Ok)->setText("OK");
    boite.setDefaultButton(QMessageBox::Ok);
    if (avecAnnuler) {
        boite.button(QMessageBox::Cancel)->setText("Annuler");
        boite.setEscapeButton(QMessageBox::Cancel); // closing the box answers Annuler
    }
    const bool ok = boite.exec() == QMessageBox::Ok;
    rendre_la_main();
    return ok ? Reponse::OK : Reponse::Annuler;
}

QString BoitesQt::saisie(const QString& titre, const QString& invite, const QString& defaut)
{
    QInputDialog boite(parent());
    boite.setInputMode(QInputDialog::TextInput);
    boite.setWindowTitle(titre);
    // The prompt's lines are separated by carriage returns, which a Qt label does not break on.
    boite.setLabelText(QString(invite).replace(u'\r', u'\n'));
    if (auto* etiquette = boite.findChild<QLabel*>())
        etiquette->setWordWrap(true);
    boite.setMinimumWidth(560);
    boite.setTextValue(defaut);
    boite.setOkButtonText("OK");
    boite.setCancelButtonText("Annuler");
    const bool ok = boite.exec() == QDialog::Accepted;
    rendre_la_main();
    return ok ? boite.textValue() : QString();
}

} // namespace optolink
