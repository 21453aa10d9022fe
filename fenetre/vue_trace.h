#pragma once

#include "dessin/cadrage.h"
#include "dessin/curseurs.h"
#include "dessin/dessin_trace.h"
#include "poste/trace.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace optolink {

// A recording drawn with its reading: the wheel zooms around the pointer, dragging pans, F or
// Home shows it whole again, + and - zoom, the arrows pan. Two cursors measure a duration: a click
// places one (the first, the second, then the nearer), with Shift on the nearest edge; dragging a
// cursor moves it; 1 or 2 chooses one and Ctrl+arrows move it by a sample (Shift: ten), E puts it
// on the nearest edge; Delete removes both.
class VueTrace final : public QWidget {
public:
    explicit VueTrace(QWidget* parent = nullptr);

    void montrer(std::optional<Trace> trace, const QString& sans_trace);
    const std::optional<Trace>& trace() const { return trace_; }
    const Cadrage& cadrage() const { return cadrage_; }
    const Curseurs& curseurs() const { return curseurs_; }
    void ajuster();
    // The wrong characters marked and the thickness of the samples, as the window asks.
    void habiller(Habillage habillage);
    // The cursors moved, came or went.
    std::function<void()> surCurseurs;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    double temps_sous(double x) const;
    double x_de(double t_s) const;
    std::optional<double>& curseur(int numero) { return numero == 1 ? curseurs_.t1_s : curseurs_.t2_s; }
    // The cursor within reach of x on screen, 1 or 2; 0 for none.
    int curseur_sous(double x) const;
    void placer(int numero, double t_s, bool sur_un_front);
    void cliquer(double x, bool sur_un_front);
    void zoomer(double facteur, double autour_s);
    void deplacer(double decalage_s);

    std::optional<Trace> trace_;
    QString sans_trace_;
    Cadrage cadrage_;
    std::optional<double> glisse_depuis_x_;
    bool glisse_ = false;
    int curseur_tenu_ = 0;
    int curseur_actif_ = 1;
    Cadrage cadrage_au_clic_;
    Curseurs curseurs_;
    Habillage habillage_;
};

} // namespace optolink
