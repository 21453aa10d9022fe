#pragma once

#include "dialogues/dialogue_fichier.h"
#include "postes_virtuels/station_virtuelle.h"
#include "tests/app/ecran_qt.h"
#include "tests/fast/synthese.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <vector>

namespace optolink::essai {

// A station in virtual time, a folder of its own, and the file dialogs a test opens on screen
// as a user sees them.
class EcranDialogue : public Ecran {
protected:
    QTemporaryDir dossier;
    QDir d{dossier.path()};
    StationFactice station;
    Poste& poste = station.poste;

    ~EcranDialogue() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const auto& dialogue : ouverts_)
            delete dialogue.data();
    }

    void creer(const QString& nom) { QFile(d.filePath(nom)).open(QIODevice::WriteOnly); }

    DialogueFichier* ouvrir(DialogueFichier::Sorte sorte, const QString& depart = {},
                            QStringList lecteurs = {"/"})
    {
        auto* dialogue = new DialogueFichier(poste, sorte, {lecteurs, depart.isEmpty() ? d.path() : depart});
        dialogue->show();
        ouverts_.emplace_back(dialogue);
        return dialogue;
    }

    // The dialog that the program has on screen under this name.
    DialogueFichier* a_l_ecran(const char* nom)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialogue = qobject_cast<DialogueFichier*>(w); dialogue && dialogue->isVisible()
                && dialogue->objectName() == nom) {
                ouverts_.emplace_back(dialogue);
                return dialogue;
            }
        return nullptr;
    }

    template <typename W>
    static W* controle(QWidget* dialogue, const char* nom)
    {
        return dialogue->findChild<W*>(QString::fromUtf8(nom));
    }
    static QLineEdit* texte1(QWidget* w) { return controle<QLineEdit>(w, "Texte1"); }
    static QPushButton* ok(QWidget* w) { return controle<QPushButton>(w, "Commande1"); }
    static QListWidget* fichier1(QWidget* w) { return controle<QListWidget>(w, "Fichier1"); }
    static QTreeWidget* repertoire1(QWidget* w) { return controle<QTreeWidget>(w, "Répertoire1"); }
    static QString label_rep(QWidget* w) { return controle<QLabel>(w, "label_rep")->text(); }

    static QStringList noms(QListWidget* liste)
    {
        QStringList n;
        for (int i = 0; i < liste->count(); ++i)
            n << liste->item(i)->text();
        return n;
    }
    // The directory list from top to bottom.
    static QStringList noms(QTreeWidget* arbre)
    {
        QStringList n;
        for (QTreeWidgetItemIterator i(arbre); *i; ++i)
            n << (*i)->text(0);
        return n;
    }

    // What a user types in Texte1, in place of what it held.
    static void taper(QWidget* dialogue, const QString& texte)
    {
        texte1(dialogue)->selectAll();
        QTest::keyClick(texte1(dialogue), Qt::Key_Delete);
        for (const QChar c : texte)
            QTest::sendKeyEvent(QTest::Click, texte1(dialogue), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static QRect place(QListWidget* liste, const QString& nom)
    {
        const auto trouves = liste->findItems(nom, Qt::MatchExactly);
        return trouves.size() == 1 ? liste->visualItemRect(trouves[0]) : QRect();
    }
    static QRect place(QTreeWidget* arbre, const QString& nom)
    {
        const auto trouves = arbre->findItems(nom, Qt::MatchExactly | Qt::MatchRecursive);
        return trouves.size() == 1 ? arbre->visualItemRect(trouves[0]) : QRect();
    }

    // As the window system delivers it: a click, then the second press as a double click.
    template <typename Liste>
    static void double_clic(Liste* liste, const QString& nom)
    {
        const QRect r = place(liste, nom);
        ASSERT_TRUE(r.isValid()) << qPrintable(nom);
        clic(liste, nom);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, r.center());
    }

    template <typename Liste>
    static void clic(Liste* liste, const QString& nom)
    {
        const QRect r = place(liste, nom);
        ASSERT_TRUE(r.isValid()) << qPrintable(nom);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    }

    // Unloaded: hidden, disabled, and gone once the pending deletions have run.
    static bool decharge(const QPointer<DialogueFichier>& dialogue)
    {
        if (dialogue && (dialogue->isVisible() || dialogue->isEnabled()))
            return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialogue.isNull();
    }

private:
    std::vector<QPointer<DialogueFichier>> ouverts_;
};

} // namespace optolink::essai
