#include "dessin/image_trace.h"

#include "dessin/axes.h"
#include "dessin/dessin_trace.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#ifdef OPTOLINK_SVG
#include <QSvgGenerator>
#endif

namespace optolink {

namespace {

void peindre(QPainter& p, const Trace& trace, const Cadrage& cadrage, QSize taille, const Curseurs& curseurs)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(police_dessin());
    dessiner_trace(p, QRectF(QPointF(0, 0), taille), trace, cadrage, curseurs);
}

QString impossible(const QString& chemin)
{
    return QStringLiteral("L'image « %1 » ne peut pas être écrite (dossier absent ou protégé en écriture).").arg(chemin);
}

} // namespace

QString exporter_image(const Trace& trace, const Cadrage& cadrage, const QString& chemin, QSize taille,
                       const Curseurs& curseurs)
{
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    if (suffixe != u"png" && (suffixe != u"svg" || !svg_disponible))
        return svg_disponible ? QStringLiteral("L'image « %1 » doit se terminer par .png ou .svg.").arg(chemin)
                              : QStringLiteral("L'image « %1 » doit se terminer par .png.").arg(chemin);
    // Written aside then renamed, so that a failed export never leaves half an image in place.
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return impossible(chemin);
#ifdef OPTOLINK_SVG
    if (suffixe == u"svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&fichier);
        svg.setSize(taille);
        svg.setViewBox(QRect(QPoint(0, 0), taille));
        svg.setTitle(QStringLiteral("Signal"));
        QPainter p(&svg);
        peindre(p, trace, cadrage, taille, curseurs);
    } else
#endif
    {
        QImage image(taille, QImage::Format_RGB32);
        {
            QPainter p(&image);
            peindre(p, trace, cadrage, taille, curseurs);
        }
        if (!image.save(&fichier, "PNG"))
            return impossible(chemin);
    }
    return fichier.commit() ? QString() : impossible(chemin);
}

} // namespace optolink
