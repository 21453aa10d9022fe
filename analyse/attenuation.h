#pragma once

#include "poste/signaux.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace optolink {

// A row the student notes in the light window: where the photodiode stood, and EA0 with the facing
// laser on and off.
struct ReleveLumiere {
    QString etiquette; // "1,5 m", "2 feuilles"…
    std::optional<double> allume_v;
    std::optional<double> eteint_v;
};

// The row with what follows from it: the light the laser adds, ΔU = lit − dark, and the attenuation
// against the first row, A = 10·log10(ΔU₀ / ΔU) in dB.
struct LigneLumiere {
    ReleveLumiere releve;
    std::optional<double> ecart_v;
    std::optional<double> attenuation_db;
    std::optional<double> distance_m; // when the label is a distance
};

// "1,5 m", "1.5m", "150 cm", "30 mm" or a bare number (metres); nothing for any other label.
std::optional<double> distance_etiquette(const QString& etiquette);

std::vector<LigneLumiere> lignes_lumiere(std::span<const ReleveLumiere> releves);

// A voltage noted at a position: into the last row when it has that label (lit or dark, as the
// laser was), into a new row otherwise.
void noter_releve(std::vector<ReleveLumiere>& releves, const QString& etiquette, double tension_v, bool allume);

// The mean of the readings of the last duree_s before the latest one: a noted voltage that a
// single noisy reading does not decide. Nothing without readings.
std::optional<double> moyenne_recente(const std::deque<TensionLue>& tensions, double duree_s);

// The straight line A = α·d + A₀ through the rows whose label is a distance, by least squares.
struct Ajustement {
    double alpha_db_m = 0;
    double origine_db = 0;
    int points = 0;
};

// Nothing with fewer than two different distances.
std::optional<Ajustement> ajuster_attenuation(std::span<const LigneLumiere> lignes);

// The table for a French spreadsheet: ";" between columns, a decimal comma, the fit on a last line.
QByteArray csv_lumiere(std::span<const LigneLumiere> lignes, const std::optional<Ajustement>& ajustement);

} // namespace optolink
