#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace optolink {

// Lines of text from the top of a zone of the page down, each at the line height of its font.
class Colonne {
public:
    Colonne(QPainter& p, const QRectF& zone) : p_(p), zone_(zone), y_(zone.top()) {}
    void ligne(const QString& texte, const QFont& police);
    // Rich text laid out at the painter's resolution, wrapped to the column.
    void html(const QString& texte, const QFont& police);
    void espace(double hauteur) { y_ += hauteur; }
    double y() const { return y_; }

private:
    QPainter& p_;
    QRectF zone_;
    double y_;
};

// The fonts of a report: its text, its title, its bold lines.
struct PolicesPage {
    QFont texte;
    QFont titre;
    QFont gras;
    PolicesPage();
};

// Drawing an A4 sheet at the painter's resolution, smoothed, black on white: its millimetre, the
// zone inside 15 mm margins, the fonts; the painter as it was once done.
class PageA4 {
public:
    PageA4(QPainter& p, const QRectF& page);
    ~PageA4();
    PageA4(const PageA4&) = delete;
    PageA4& operator=(const PageA4&) = delete;
    const double mm;
    const QRectF zone;
    const PolicesPage polices;

private:
    QPainter& p_;
};

// An A4 page drawn by dessiner, written as a PDF titled titre; the reason in French when it could
// not, empty on success.
QString ecrire_pdf_a4(const QString& chemin, const QString& titre,
                      const std::function<void(QPainter& p, const QRectF& page)>& dessiner);

} // namespace optolink
