#pragma once

#include "tests/application_qt.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

namespace optolink::essai {

// Tests with widgets.
struct Ecran : ::testing::Test {
    static void SetUpTestSuite() { application_de_test<QApplication>(); }
};

inline QString taille_px(QSize s) { return QString("%1 × %2 px").arg(s.width()).arg(s.height()); }

// Whether a box shows its whole text on the screen: a label cut short, or a box taller or wider
// than the screen, hides part of what the user must read.
inline QString boite_tronquee(QWidget* boite)
{
    QStringList trop;
    const QSize ecran = boite->screen()->availableSize();
    if (boite->frameGeometry().width() > ecran.width() || boite->frameGeometry().height() > ecran.height())
        trop << "la boîte (" + taille_px(boite->frameGeometry().size()) + ") dépasse l'écran (" + taille_px(ecran) + ")";
    for (const QLabel* l : boite->findChildren<QLabel*>())
        if (l->isVisible() && !l->text().isEmpty() && l->heightForWidth(l->width()) > l->height())
            trop << QString("texte « %1 » : il faut %2 px de haut, la place est de %3 px")
                        .arg(l->text())
                        .arg(l->heightForWidth(l->width()))
                        .arg(l->height());
    return trop.isEmpty() ? QString() : boite->windowTitle() + " : " + trop.join(", ");
}

inline QStringList textes_boutons(QWidget* boite)
{
    QStringList textes;
    for (auto* b : boite->findChildren<QAbstractButton*>())
        if (b->isVisible())
            textes << b->text();
    textes.sort();
    return textes;
}

// Answers every modal box as it comes up: by title, the button to press, or the text to type in
// an input box; OK otherwise. Keeps each box's title, text and buttons.
struct Repondeur {
    struct Vue {
        QString titre;
        QString texte;
        QStringList boutons;
        QString defaut; // the answer an input box offered
    };
    std::vector<Vue> vues;
    std::map<QString, QString> choix;
    std::function<void(const QString& titre)> pendant; // what the user does while a box is up
    std::function<void(QWidget* boite)> regarder;      // what the user sees of a box before answering
    QTimer minuteur;

    Repondeur()
    {
        QObject::connect(&minuteur, &QTimer::timeout, [this] {
            QWidget* boite = QApplication::activeModalWidget();
            if (!boite || !boite->isVisible())
                return;
            const QString voulu = choix.count(boite->windowTitle()) ? choix[boite->windowTitle()] : "OK";
            Vue vue{boite->windowTitle(), {}, textes_boutons(boite), {}};
            QString bouton = voulu;
            if (auto* message = qobject_cast<QMessageBox*>(boite))
                vue.texte = message->text();
            if (auto* saisie = qobject_cast<QInputDialog*>(boite)) {
                vue.texte = saisie->labelText();
                vue.defaut = saisie->textValue();
                if (voulu != "Annuler") {
                    saisie->setTextValue(voulu);
                    bouton = "OK";
                }
            }
            vues.push_back(vue);
            if (regarder)
                regarder(boite);
            if (pendant)
                pendant(vue.titre);
            for (auto* b : boite->findChildren<QAbstractButton*>())
                if (b->text() == bouton) {
                    b->click();
                    return;
                }
        });
        minuteur.start(0);
    }
};

} // namespace optolink::essai
