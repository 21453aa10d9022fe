#pragma once

#include "dessin/dessin_direct.h"
#include "poste/etat.h"
#include "poste/signaux.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace optolink {

// The live strip chart: repainted when the station has read something new, only while shown.
class VueDirect final : public QWidget {
public:
    VueDirect(const Signaux& signaux, const Etat& etat, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

private:
    // What the chart would show, as far as it can change: readings that all fall on one pixel row,
    // with no pulse in view, look the same however far they have scrolled.
    struct Apercu {
        int rangee;
        double echelle_v;
        int largeur, hauteur;
        bool operator==(const Apercu&) const = default;
    };
    std::optional<Apercu> apercu() const;
    void regarder();

    const Signaux& signaux_;
    const Etat& etat_;
    BandeDirect bande_;
    QTimer surveillance_;
    std::uint64_t version_peinte_ = 0;
    std::optional<Apercu> apercu_peint_;
};

} // namespace optolink
