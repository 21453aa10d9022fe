#include "dessin/page_a4.h"

#include "dessin/axes.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace optolink {

void Colonne::ligne(const QString& texte, const QFont& police)
{
    p_.setFont(police);
    const QFontMetricsF fm(police);
    const QRectF place(zone_.left(), y_, zone_.width(), zone_.bottom() - y_);
    const QRectF prise = p_.boundingRect(place, Qt::TextWordWrap, texte);
    p_.drawText(place, Qt::TextWordWrap, texte);
    y_ += std::max(prise.height(), fm.height());
}

void Colonne::html(const QString& texte, const QFont& police)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(p_.device());
    document.setDefaultFont(police);
    document.setDocumentMargin(0);
    document.setTextWidth(zone_.width());
    document.setHtml(texte);
    p_.save();
    p_.translate(zone_.left(), y_);
    document.drawContents(&p_);
    p_.restore();
    y_ += document.size().height();
}

PageA4::PageA4(QPainter& p, const QRectF& page)
    : mm(page.width() / 210), zone(page.adjusted(15 * mm, 15 * mm, -15 * mm, -15 * mm)), p_(p)
{
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setPen(Qt::black);
}

PageA4::~PageA4() { p_.restore(); }

PolicesPage::PolicesPage() : texte(police_dessin())
{
    texte.setPointSizeF(10);
    titre = texte;
    titre.setPointSizeF(16);
    titre.setBold(true);
    gras = texte;
    gras.setBold(true);
}

QString ecrire_pdf_a4(const QString& chemin, const QString& titre,
                      const std::function<void(QPainter& p, const QRectF& page)>& dessiner)
{
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly)) {
        {
            QPdfWriter pdf(&fichier);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setResolution(300);
            pdf.setTitle(titre);
            pdf.setCreator(QStringLiteral("optolink"));
            QPainter p(&pdf);
            dessiner(p, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
        }
        if (fichier.commit())
            return {};
    }
    return QStringLiteral("Le compte rendu « %1 » ne peut pas être écrit (dossier absent ou protégé en écriture).")
        .arg(chemin);
}

} // namespace optolink
