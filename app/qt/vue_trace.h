#pragma once

#include "app/dessin/cadrage.h"
#include "app/poste/trace.h"

#include <QWidget>

#include <optional>

namespace optolink {

// A recording drawn with its reading: the wheel zooms around the pointer, dragging pans, F or
// Home shows it whole again, + and - zoom, the arrows pan.
class VueTrace final : public QWidget {
public:
    explicit VueTrace(QWidget* parent = nullptr);

    void montrer(std::optional<Trace> trace, const QString& sans_trace);
    const std::optional<Trace>& trace() const { return trace_; }
    const Cadrage& cadrage() const { return cadrage_; }
    void ajuster();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    double temps_sous(double x) const;
    void zoomer(double facteur, double autour_s);
    void deplacer(double decalage_s);

    std::optional<Trace> trace_;
    QString sans_trace_;
    Cadrage cadrage_;
    std::optional<double> glisse_depuis_x_;
    Cadrage cadrage_au_clic_;
};

} // namespace optolink
