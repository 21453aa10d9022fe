#include "fenetre/boites_qt.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace optolink {

// A box opened from a file dialog belongs to it, so that it stays in front of it.
QWidget* BoitesQt::parent() const
{
    if (QWidget* actif = QApplication::activeWindow(); actif && actif->isVisible())
        return actif;
    return fenetre_ && fenetre_->isVisible() ? fenetre_.data() : nullptr;
}

// The window the box stood over gets the keyboard back, access keys included, even where no
// window manager does it: after a box of a file dialog, the next keys go to the dialog, not to
// Texte1.
void BoitesQt::rendre_la_main(const QPointer<QWidget>& dessous) const
{
    QWidget* fenetre = dessous && dessous->isVisible() ? dessous.data() : parent();
    if (fenetre)
        QTimer::singleShot(0, fenetre, [fenetre] { fenetre->activateWindow(); });
}

Boites::Reponse BoitesQt::message(const QString& titre, const QString& texte, bool avecAnnuler)
{
    const QPointer<QWidget> dessous = parent();
    QMessageBox boite(QMessageBox::NoIcon, titre, texte,
        avecAnnuler ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, dessous);
    boite.setTextFormat(Qt::PlainText);
    boite.button(QMessageBox::Ok)->setText("OK");
    boite.setDefaultButton(QMessageBox::Ok);
    if (avecAnnuler) {
        boite.button(QMessageBox::Cancel)->setText("Annuler");
        boite.setEscapeButton(QMessageBox::Cancel); // closing the box answers Annuler
    }
    const bool ok = boite.exec() == QMessageBox::Ok;
    rendre_la_main(dessous);
    return ok ? Reponse::OK : Reponse::Annuler;
}

QString BoitesQt::saisie(const QString& titre, const QString& invite, const QString& defaut)
{
    const QPointer<QWidget> dessous = parent();
    QInputDialog boite(dessous);
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
    rendre_la_main(dessous);
    return ok ? boite.textValue() : QString();
}

} // namespace optolink
