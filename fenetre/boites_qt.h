#pragma once

#include "poste/boites.h"

#include <QPointer>
#include <QWidget>

namespace optolink {

// The modal boxes as Qt dialogs, with the French buttons "OK" and "Annuler".
class BoitesQt final : public Boites {
public:
    Reponse message(const QString& titre, const QString& texte, bool avecAnnuler) override;
    QString saisie(const QString& titre, const QString& invite, const QString& defaut) override;
    // Boxes stand over the window the user is in, or else over this one once it is on screen.
    void rattacher(QWidget* fenetre) { fenetre_ = fenetre; }

private:
    QWidget* parent() const;
    void rendre_la_main(const QPointer<QWidget>& dessous) const;
    QPointer<QWidget> fenetre_;
};

} // namespace optolink
