#pragma once

#include "analyse/attenuation.h"
#include "poste/boites.h"
#include "poste/etat.h"
#include "poste/signaux.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace optolink {

class VueLumiere;

// "Mesurer la lumière reçue…": EA0 in large digits as the timer reads it (no traffic of its own on
// the line), a row per position noted by the student with the laser facing it on and off, the
// attenuation against the first row and its fit against distance, the plot; CSV, the A4 report,
// printing, and the large display for a projector (F11).
class FenetreLumiere final : public QWidget {
public:
    FenetreLumiere(const Signaux& signaux, const Etat& etat, Boites& boites, QWidget* parent);

    void noter(bool allume);
    void exporter_csv();
    void compte_rendu_pdf();
    void imprimer();
    void grand_affichage(bool grand);
    const std::vector<ReleveLumiere>& releves() const { return releves_; }

private:
    QLayout* barre_notes();
    QLayout* barre_sorties();
    void montrer_tension();
    void montrer_releves();
    double tension_notee() const;

    const Signaux& signaux_;
    const Etat& etat_;
    Boites& boites_;
    std::vector<ReleveLumiere> releves_;
    QLabel* tension_;
    QLineEdit* position_;
    QTableWidget* tableau_;
    QLabel* ajustement_;
    VueLumiere* vue_;
    QPushButton* grand_;
    QTimer rafraichir_;
};

} // namespace optolink
