#include "fenetre/boites_qt.h"
#include "fenetre/fenetre_signal.h"
#include "fenetre/feuillelumicode1.h"
#include "dialogues/dialogue_fichier.h"

#include "postes_virtuels/station_virtuelle.h"
#include "tests/app/ecran_qt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace optolink;
using namespace optolink::essai;

namespace {

// What the clipboard can hold when a student pastes: nothing at all, data without a single
// format (what X11 gives when the clipboard has no owner, as in a fresh session), something that
// is not text, or text.
struct PressePapiers {
    const char* nom;
    std::function<QMimeData*()> donnees;
    QString colle; // what a paste adds to the text
};

QMimeData* format(const char* type, const QByteArray& octets)
{
    auto* d = new QMimeData;
    d->setData(QString::fromLatin1(type), octets);
    return d;
}

const PressePapiers presse_papiers[] = {
    {"rien", [] { return nullptr; }, {}},
    {"sans format", [] { return new QMimeData; }, {}},
    {"image", [] { return format("image/png", QByteArray("\x89PNG\r\n\x1a\n", 8)); }, {}},
    // A file copied in the file manager pastes as its address, as everywhere in Qt.
    {"fichier", [] { return format("text/uri-list", "file:///tmp/sos.rrr\r\n"); }, QStringLiteral("file:///tmp/sos.rrr")},
    {"markdown vide", [] { return format("text/markdown", {}); }, {}},
    {"texte", [] { return format("text/plain", "Été 25 €"); }, QStringLiteral("Été 25 €")},
};

QString texte_de(QWidget* champ)
{
    if (auto* ligne = qobject_cast<QLineEdit*>(champ))
        return ligne->text();
    return static_cast<QPlainTextEdit*>(champ)->toPlainText();
}

bool modifiable(QWidget* champ)
{
    if (auto* ligne = qobject_cast<QLineEdit*>(champ))
        return !ligne->isReadOnly();
    return !static_cast<QPlainTextEdit*>(champ)->isReadOnly();
}

// Pastes every kind of clipboard into every text field of the window that a user can reach,
// with Ctrl+V and Shift+Insert, the cursor at the end: the field gains the text, or nothing.
void coller_partout(QWidget* fenetre, const QString& ou)
{
    QList<QWidget*> champs;
    for (auto* ligne : fenetre->findChildren<QLineEdit*>())
        champs << ligne;
    for (auto* boite : fenetre->findChildren<QPlainTextEdit*>())
        champs << boite;
    int essayes = 0;
    for (QWidget* champ : champs) {
        if (!champ->isVisible())
            continue;
        ++essayes;
        for (const PressePapiers& p : presse_papiers)
            for (const QKeyCombination touches : {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}) {
                QApplication::clipboard()->setMimeData(p.donnees());
                champ->setFocus();
                QTest::keyClick(champ, Qt::Key_End, Qt::ControlModifier);
                const QString avant = texte_de(champ);
                QTest::keyClick(champ, touches.key(), touches.keyboardModifiers());
                EXPECT_EQ(texte_de(champ).toStdString(), (avant + (modifiable(champ) ? p.colle : QString())).toStdString())
                    << qPrintable(ou) << " " << qPrintable(champ->objectName()) << " : " << p.nom;
            }
    }
    EXPECT_GT(essayes, 0) << qPrintable(ou);
}

TEST_F(Ecran, CollerCeQueContientLePressePapiersDansChaqueChampDeTexte)
{
    StationFactice s;
    Feuillelumicode1 fenetre(s.poste, Envois{});
    fenetre.show();
    coller_partout(&fenetre, "fenêtre, Texte2 modifiable");
    s.poste.fenetre.Texte2.Locked = true;
    fenetre.synchroniser();
    coller_partout(&fenetre, "fenêtre, Texte2 verrouillé");

    QTemporaryDir dossier;
    for (auto sorte : {DialogueFichier::Sorte::lecture, DialogueFichier::Sorte::enregistrement}) {
        DialogueFichier dialogue(s.poste, sorte, {{"/"}, dossier.path()});
        dialogue.show();
        coller_partout(&dialogue, dialogue.objectName());
    }

    // The signal window's own file dialogs, for a file to show: the main window's signal window,
    // the only one a station has (it holds the station's reception hook).
    FenetreSignal* signal = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = dynamic_cast<FenetreSignal*>(w))
            signal = f;
    ASSERT_NE(signal, nullptr);
    signal->show();
    signal->choisir_fichier();
    auto* choix = signal->findChild<QFileDialog*>();
    ASSERT_NE(choix, nullptr);
    coller_partout(choix, "choix d'un fichier *.rrr");
    choix->reject();

    // The port question's input box, while it is on screen.
    BoitesQt boites;
    Repondeur r;
    r.regarder = [](QWidget* boite) { coller_partout(boite, "question du port"); };
    boites.saisie("N° de port COM (émulé) ? 1,2,3 ... 8 ? ", "invite", "1");
    EXPECT_EQ(r.vues.size(), 1u);
}

} // namespace
