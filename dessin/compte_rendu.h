#pragma once

#include "dessin/curseurs.h"
#include "poste/trace.h"

#include <QDateTime>
#include <QRectF>
#include <QString>

class QPainter;

namespace optolink {

// A one-page lab report of a recording: a title, the date, the coding, speed and sampling period,
// the trace with its reading and the cursors, the decoded message, the reception's report and the
// cursors' measure when they are set; with the message sent, the errors marked in the message
// and under the trace, counted in the report, and how they are counted.
struct CompteRendu {
    Trace trace;
    Curseurs curseurs;
    QDateTime date;
    QString envoye = {};
};

// Lays the page out in page (an A4 sheet at the painter's resolution), for a PDF or a printer.
void dessiner_compte_rendu(QPainter& p, const QRectF& page, const CompteRendu& compte_rendu);

// Writes it as an A4 PDF; the reason in French when it could not, empty on success.
QString ecrire_compte_rendu_pdf(const QString& chemin, const CompteRendu& compte_rendu);

} // namespace optolink
