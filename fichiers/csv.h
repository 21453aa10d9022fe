#pragma once

#include <QByteArray>
#include <QString>

#include <span>

namespace optolink {

// A recording as a French spreadsheet opens it directly: UTF-8 with its mark, ";" between columns,
// a decimal comma (the decimals quoted), the header "échantillon;t (s);U (V)", then one line per
// sample (its index, its instant from the first sample, its voltage).
QByteArray texte_csv(std::span<const int> niveaux, double periode_s);

// The pieces of such a table: its first line (after the mark), and a number with a decimal comma.
QByteArray entete_csv(const QString& entete);
QByteArray decimal_csv(double x, int decimales);

// Writes a table; the reason in French when it could not, empty on success.
QString ecrire_texte_csv(const QString& chemin, const QByteArray& texte);

// Writes it; the reason in French when it could not, empty on success.
QString ecrire_csv(const QString& chemin, std::span<const int> niveaux, double periode_s);

} // namespace optolink
