#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace optolink {

// A save dialog beside parent, starting at nom, that calls ecrire on the path chosen; what ecrire
// returns (the reason in French) goes in a box titled "Exportation impossible" by montrer_erreur.
void enregistrer_sous(QWidget* parent, const QString& titre, const QString& nom, const QString& suffixe,
                      const QString& filtre, std::function<QString(const QString& chemin)> ecrire,
                      std::function<void(const QString& raison)> montrer_erreur);

// The print dialog, then an A4 page drawn by dessiner on the printer chosen.
void imprimer_a4(QWidget* parent, std::function<void(QPainter& p, const QRectF& page)> dessiner);

} // namespace optolink
