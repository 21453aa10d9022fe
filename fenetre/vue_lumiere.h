#pragma once

#include "analyse/attenuation.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace optolink {

// The plot of the light measurements: ΔU and A against distance, with the fitted line.
class VueLumiere final : public QWidget {
public:
    explicit VueLumiere(QWidget* parent = nullptr);
    void montrer(std::vector<LigneLumiere> lignes, std::optional<Ajustement> ajustement);
    void grossir(double epaisseur);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::vector<LigneLumiere> lignes_;
    std::optional<Ajustement> ajustement_;
    double epaisseur_ = 1;
};

} // namespace optolink
