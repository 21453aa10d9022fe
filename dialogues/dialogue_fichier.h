#pragma once

#include "poste/poste.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace optolink {

// Where a dialog browses: its drive list and the directory it opens in.
struct Lieux {
    QStringList lecteurs;
    QString depart;
};
// The drives of this computer and the folder of the last file chosen during this run.
Lieux lieux_systeme(const Etat& etat);

// The twin dialogs lecturefichier (open a recording and decode it) and enregistrefichier (save
// the last recording), modeless beside the main window. Their controls carry the names of the
// designed ones as object names. Ok or Annuler unloads the dialog (it deletes itself).
class DialogueFichier final : public QDialog {
    Q_OBJECT

public:
    enum class Sorte { lecture, enregistrement };
    DialogueFichier(Poste& poste, Sorte sorte, Lieux lieux, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    // Escape and the window's close button do what Annuler does.
    void reject() override;

private:
    void construire(Sorte sorte);
    void presenter();
    void changer_lecteur(int index);
    void disque_indisponible();
    void changer_repertoire(const QString& chemin);
    void afficher_repertoire();
    void remplir_fichiers();
    void filtrer(const QString& motif);
    void texte_change(const QString& texte);
    void confirmer();
    void decharger();

    Poste& poste_;
    const Sorte sorte_;
    const Lieux lieux_;
    QString motif_ = QStringLiteral("*.rrr");
    QString motif_fichiers_ = motif_; // the pattern of Fichier1
    QString lecteurinitial_;
    QString repertoire_; // the path of Répertoire1, and of Fichier1
    bool confirme_ = false;

    QComboBox* lecteur1_;
    QTreeWidget* repertoire1_;
    QListWidget* fichier1_;
    QLineEdit* texte1_;
    QLabel* label_rep_;
    QPushButton* commande1_;
};

} // namespace optolink
