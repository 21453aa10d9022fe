#include "dessin/compte_rendu.h"

#include "dessin/axes.h"
#include "dessin/dessin_trace.h"
#include "dessin/texte_bilan.h"
#include "analyse/emission_prevue.h"
#include "liaison/interface.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QAbstractTextDocumentLayout>
#include <QSaveFile>
#include <QTextDocument>

namespace optolink {

namespace {

QString vitesse(const Trace& t)
{
    const int mode = mode_de_periode(t.periode_s);
    return QStringLiteral("Codage : %1 · vitesse %2 · une mesure toutes les %3 ms · %4 mesures")
        .arg(nom_codage(codage_enregistre(t.codage)), mode < 0 ? QStringLiteral("?") : QStringLiteral("x %1").arg(mode + 1),
             nombre_fr(t.periode_s * 1000, 1))
        .arg(t.niveaux.size());
}

// Lines of text from the top of the rest of the page, each at the line height of its font.
class Colonne {
public:
    Colonne(QPainter& p, const QRectF& zone) : p_(p), zone_(zone), y_(zone.top()) {}
    void ligne(const QString& texte, const QFont& police)
    {
        p_.setFont(police);
        const QFontMetricsF fm(police);
        const QRectF place(zone_.left(), y_, zone_.width(), zone_.bottom() - y_);
        const QRectF prise = p_.boundingRect(place, Qt::TextWordWrap, texte);
        p_.drawText(place, Qt::TextWordWrap, texte);
        y_ += std::max(prise.height(), fm.height());
    }
    // Rich text laid out at the painter's resolution, wrapped to the column.
    void html(const QString& texte, const QFont& police)
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
    void espace(double hauteur) { y_ += hauteur; }
    double y() const { return y_; }

private:
    QPainter& p_;
    QRectF zone_;
    double y_;
};

} // namespace

void dessiner_compte_rendu(QPainter& p, const QRectF& page, const CompteRendu& c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double mm = page.width() / 210;
    const QRectF zone = page.adjusted(15 * mm, 15 * mm, -15 * mm, -15 * mm);
    QFont texte = police_dessin();
    texte.setPointSizeF(10);
    QFont titre = texte;
    titre.setPointSizeF(16);
    titre.setBold(true);
    QFont gras = texte;
    gras.setBold(true);

    p.setPen(Qt::black);
    Colonne colonne(p, zone);
    colonne.ligne(QStringLiteral("Compte rendu : un message transmis par la lumière"), titre);
    colonne.ligne(c.date.toString(QStringLiteral("'Le' dd/MM/yyyy 'à' HH'h'mm")), texte);
    colonne.ligne(vitesse(c.trace), texte);
    colonne.espace(3 * mm);

    QFont police_trace = police_dessin();
    police_trace.setPointSizeF(6);
    p.setFont(police_trace);
    const auto b = bilan(c.trace, c.envoye);
    Habillage habillage;
    if (b && b->erreurs)
        habillage.caracteres_faux = caracteres_lus_faux(c.trace, *b->erreurs);
    const QRectF cadre(zone.left(), colonne.y(), zone.width(), zone.height() * (b && b->erreurs ? 0.36 : 0.42));
    dessiner_trace(p, cadre, c.trace, cadreur(c.trace).ajuste(), c.curseurs, habillage);
    p.setPen(QPen(Qt::gray, 0.3 * mm));
    p.drawRect(cadre);
    p.setPen(Qt::black);
    colonne.espace(cadre.height() + 4 * mm);

    if (b && b->erreurs) {
        colonne.ligne(QStringLiteral("Message envoyé : « %1 »").arg(texte_envoye(c.envoye)), gras);
        colonne.html(QStringLiteral("<b>Message décodé : « %1 »</b>").arg(recu_marque(texte_recu(c.trace.message), *b->erreurs)),
                     gras);
    } else {
        // The darkness after the message reads as blanks.
        QString message = c.trace.message;
        while (message.endsWith(u' '))
            message.chop(1);
        colonne.ligne(QStringLiteral("Message décodé : « %1 »").arg(message), gras);
    }
    colonne.espace(2 * mm);
    colonne.ligne(QStringLiteral("Bilan de la réception"), gras);
    if (b) {
        for (const QString& ligne : lignes_bilan(*b))
            colonne.ligne(ligne, texte);
        if (b->erreurs) {
            QFont petite = texte;
            petite.setPointSizeF(8);
            petite.setItalic(true);
            colonne.espace(1 * mm);
            colonne.ligne(legende_erreurs(c.trace.codage == CodageRapide::binaire), petite);
        }
    } else {
        colonne.ligne(QStringLiteral("Le décodeur n'a lu ni unité ni caractère dans cet enregistrement."), texte);
    }
    if (const auto m = mesurer(c.curseurs, c.trace)) {
        colonne.espace(2 * mm);
        colonne.ligne(QStringLiteral("Mesure entre les curseurs"), gras);
        colonne.ligne(texte_mesure(*m), texte);
    }
    p.restore();
}

QString ecrire_compte_rendu_pdf(const QString& chemin, const CompteRendu& c)
{
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly)) {
        {
            QPdfWriter pdf(&fichier);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setResolution(300);
            pdf.setTitle(QStringLiteral("Compte rendu"));
            pdf.setCreator(QStringLiteral("optolink"));
            QPainter p(&pdf);
            dessiner_compte_rendu(p, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), c);
        }
        if (fichier.commit())
            return {};
    }
    return QStringLiteral("Le compte rendu « %1 » ne peut pas être écrit (dossier absent ou protégé en écriture).")
        .arg(chemin);
}

} // namespace optolink
