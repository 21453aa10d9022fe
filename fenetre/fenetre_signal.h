#pragma once

#include "dessin/compte_rendu.h"
#include "poste/boites.h"
#include "poste/etat.h"
#include "poste/signaux.h"

#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace optolink {

class VueDirect;
class VueTrace;

// The "Signal" window: a fast recording drawn with what the decoder read in it, or the live
// strip chart of the slow codings. It only shows: every reading comes from the station.
class FenetreSignal final : public QWidget {
public:
    FenetreSignal(Signaux& signaux, const Etat& etat, Boites& boites, QWidget* parent);

    // The entries of the "Signal" menu, added to menu.
    void remplir_menu(QMenu* menu);

    void afficher_dernier_enregistrement();
    void choisir_fichier();
    void afficher_fichier(const QString& chemin);
    void exporter(const QString& suffixe);
    void exporter_csv();
    void compte_rendu_pdf();
    void imprimer();
    // The message sent, typed or picked, that the reports compare with the one received.
    void choisir_envoye(const QString& texte);
    void grand_affichage(bool grand);

private:
    QLayout* barre_envoye();
    QWidget* page_enregistrement();
    QHBoxLayout* barre_enregistrement();
    QWidget* page_direct();
    void relire_fichier();
    void montrer_onglet(int onglet);
    bool codage_lent() const;
    void reception_terminee();
    void montrer_bilan();
    void montrer_bilan_lent();
    // A save dialog beside the window, named after the recording, that calls ecrire on the path chosen
    // and tells in a box what went wrong.
    void enregistrer(const QString& titre, const QString& suffixe, const QString& filtre,
                     std::function<QString(const QString& chemin)> ecrire);
    CompteRendu compte_rendu() const;

    Signaux& signaux_;
    const Etat& etat_;
    Boites& boites_;
    QTabWidget* onglets_;
    VueTrace* vue_trace_;
    VueDirect* vue_direct_;
    QComboBox* codage_;
    QComboBox* periode_;
    QLabel* bilan_;
    QLabel* bilan_lent_;
    QComboBox* envoye_;
    QLabel* message_grand_;  // the received message in large type, on a projector
    QPushButton* grand_;
    bool grand_affichage_ = false;
    std::vector<QWidget*> hors_grand_affichage_;
    QAction* apres_reception_ = nullptr;
    QString fichier_; // the recording shown, when it came from a file
    Crochet<>::Branchement reception_;
};

} // namespace optolink
