#pragma once

#include "analyse/attenuation.h"

#include <QDateTime>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace optolink {

// The light measurements plotted against the rows' distances: ΔU (V, left axis, blue discs), A (dB,
// right axis, red squares) and the fitted line of A. Lines and marks thicker by epaisseur, for a
// projector. Rows whose label is no distance are left out.
void dessiner_lumiere(QPainter& p, const QRectF& zone, std::span<const LigneLumiere> lignes,
                      const std::optional<Ajustement>& ajustement, double epaisseur = 1);

// The fit as the class reads it: "α = 2,72 dB/m (droite A = α·d + A₀ sur 3 distances, A₀ = −0,02 dB)",
// or why there is none.
QString texte_ajustement(std::span<const LigneLumiere> lignes, const std::optional<Ajustement>& ajustement);

// A row's cells as the table shows them: label, lit, dark, ΔU, A; empty where not measured.
QStringList cellules_lumiere(const LigneLumiere& ligne);
extern const QStringList entetes_lumiere;

// A one-page lab report of the measurements: a title, the date, the table, the fit and the plot.
struct CompteRenduLumiere {
    std::vector<ReleveLumiere> releves;
    QDateTime date;
};
void dessiner_compte_rendu_lumiere(QPainter& p, const QRectF& page, const CompteRenduLumiere& compte_rendu);
QString ecrire_compte_rendu_lumiere_pdf(const QString& chemin, const CompteRenduLumiere& compte_rendu);

} // namespace optolink
