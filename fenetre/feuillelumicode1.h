#pragma once

#include "poste/poste.h"
#include "dialogues/dialogues_fichiers.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace optolink {

class FenetreLumiere;
class FenetreSignal;

// What the send buttons do, by button; an empty action does nothing.
struct Envois {
    std::function<void(Poste&)> Btonenvoiemorse;
    std::function<void(Poste&)> Btonenvoiebinaire;
    std::function<void(Poste&)> Btonenvoi_morserapide;
    std::function<void(Poste&)> Btonenvoi_binrap;
};

// The main window on screen. It mirrors the window model of its station: synchroniser() brings
// every widget up to date (the program calls it before each yield and when a routine shows the
// window); clicks call the handlers, which change the model; typing in Texte1 writes the model.
// Widgets and actions carry the names of their controls and menu entries as object names.
class Feuillelumicode1 final : public QMainWindow {
public:
    Feuillelumicode1(Poste& poste, Envois envois);
    ~Feuillelumicode1() override;

    void synchroniser();

protected:
    // Closing the window ends the program as Btonquitter does: never a process without its window.
    void closeEvent(QCloseEvent* evenement) override;

private:
    QLabel* etiquette(const char* nom, Etiquette& modele, QRect place);
    QPlainTextEdit* texte(const char* nom, BoiteTexte& modele, QRect place);
    void barre_avancement(Avancement& modele, QRect place);
    QPushButton* bouton(const char* nom, Bouton& modele, QRect place, std::function<void(Poste&)> action);
    void construire_controles(const Envois& envois);
    void suivre_texte1(QPlainTextEdit* texte1);
    void construire_menus();
    QMenu* sous_menu(QWidget* parent, const DescriptionMenu& d);
    void entree(QWidget* parent, const DescriptionMenu& d);
    void brancher_crochets();
    void lier_entree(QAction* action, EntreeMenu& modele);

    Poste& poste_;
    // A window of its own, not one of the designed controls.
    std::unique_ptr<FenetreSignal> signal_;
    std::unique_ptr<FenetreLumiere> lumiere_;
    // One synchronisation per control, each remembering what it applied last.
    std::vector<std::function<void()>> liens_;
    Crochet<>::Branchement montrer_;
    Crochet<>::Branchement rafraichir_;
    DialoguesFournis dialogues_;
};

} // namespace optolink
