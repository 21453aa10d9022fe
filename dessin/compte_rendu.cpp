#include "dessin/compte_rendu.h"

#include "dessin/axes.h"
#include "dessin/dessin_trace.h"
#include "dessin/page_a4.h"
#include "dessin/texte_bilan.h"
#include "analyse/emission_prevue.h"
#include "liaison/interface.h"

#include <QPainter>

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

} // namespace

void dessiner_compte_rendu(QPainter& p, const QRectF& page, const CompteRendu& c)
{
    const PageA4 feuille(p, page);
    const double mm = feuille.mm;
    const QRectF& zone = feuille.zone;
    const PolicesPage& polices = feuille.polices;
    const QFont& texte = polices.texte;
    const QFont& titre = polices.titre;
    const QFont& gras = polices.gras;

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
}

QString ecrire_compte_rendu_pdf(const QString& chemin, const CompteRendu& c)
{
    return ecrire_pdf_a4(chemin, QStringLiteral("Compte rendu"),
                         [&c](QPainter& p, const QRectF& page) { dessiner_compte_rendu(p, page, c); });
}

} // namespace optolink
