#include "dessin/texte_bilan.h"

#include "dessin/axes.h"

namespace optolink {

namespace {
QString duree(double s)
{
    return s < 1 ? QStringLiteral("%1 ms").arg(nombre_fr(s * 1000, 1)) : QStringLiteral("%1 s").arg(nombre_fr(s, 2));
}

QString tension(double v) { return QStringLiteral("%1 V").arg(nombre_fr(v, 2)); }

QString pourcentage(double x) { return QStringLiteral("%1 %").arg(nombre_fr(100 * x, x < 0.01 ? 3 : 1)); }

QStringList lignes_niveaux(const Niveaux& n)
{
    QStringList lignes{QStringLiteral("Niveaux lus : haut %1 · bas %2 · écart %3 · marge du bas sous le seuil (%4) : %5")
                           .arg(tension(n.haut_v), tension(n.bas_v), tension(n.ecart_v()), tension(n.seuil_v),
                                tension(n.marge_v()))};
    if (n.faible())
        lignes << QStringLiteral("Attention, ") + avis_signal_faible;
    return lignes;
}

QStringList lignes_erreurs(const Erreurs& e)
{
    QString caracteres = QStringLiteral("Erreurs : %1 caractère%2 faux sur %3 envoyé%4")
                             .arg(e.caracteres_faux)
                             .arg(e.caracteres_faux > 1 ? "s" : "")
                             .arg(e.caracteres_envoyes)
                             .arg(e.caracteres_envoyes > 1 ? "s" : "");
    if (const auto taux = e.taux_caracteres())
        caracteres += QStringLiteral(" (taux d'erreurs caractères %1)").arg(pourcentage(*taux));
    QStringList lignes{caracteres};
    if (const auto teb = e.teb())
        lignes << QStringLiteral("En binaire : %1 bits faux sur %2 envoyés · TEB = %1 / %2 = %3 (%4)")
                      .arg(*e.bits_faux)
                      .arg(*e.bits_envoyes)
                      .arg(nombre_fr(*teb, *teb < 0.01 ? 5 : 3), pourcentage(*teb));
    return lignes;
}

} // namespace

QString legende_erreurs(bool binaire)
{
    const QString commun = QStringLiteral("Les blancs au début et à la fin des deux textes ne comptent pas. Un caractère "
                                          "faux est remplacé, manquant ou en trop ; les deux textes sont alignés de la "
                                          "façon qui donne le moins d'erreurs.");
    if (!binaire)
        return commun + QStringLiteral(" En morse, majuscules et minuscules sont le même signal.");
    return commun + QStringLiteral(" Bits envoyés : 8 par caractère du message envoyé (son code Windows-1252). Un "
                                   "caractère remplacé compte les bits où les deux codes diffèrent, un caractère "
                                   "manquant ou en trop 8 bits faux. TEB = bits faux ÷ bits envoyés.");
}

QString recu_marque(const QString& recu, const Erreurs& e)
{
    QString html;
    std::size_t manquant = 0;
    const auto marquer_manquants = [&](qsizetype avant) {
        for (; manquant < e.manquants.size() && e.manquants[manquant] == avant; ++manquant)
            html += QStringLiteral("<span style=\"color:#d70000;font-weight:bold\">_</span>");
    };
    for (qsizetype i = 0; i < recu.size(); ++i) {
        marquer_manquants(i);
        const QString c = QString(recu[i]).toHtmlEscaped();
        if (std::ranges::find(e.recus_faux, static_cast<int>(i)) != e.recus_faux.end())
            html += QStringLiteral("<span style=\"color:#d70000;background-color:#ffcdcd;font-weight:bold;"
                                   "text-decoration:underline\">%1</span>")
                        .arg(c == u" " ? QStringLiteral("&nbsp;") : c);
        else
            html += c;
    }
    marquer_manquants(recu.size());
    return QStringLiteral("<span style=\"white-space:pre-wrap\">%1</span>").arg(html);
}

QStringList lignes_bilan(const Bilan& b, bool theorique)
{
    QString recus = QStringLiteral("Reçu : %1 caractère%2").arg(b.caracteres).arg(b.caracteres > 1 ? "s" : "");
    if (b.bits > 0)
        recus += QStringLiteral(", %1 bits").arg(b.bits);
    if (b.elements > 0)
        recus += QStringLiteral(", %1 éléments morse dont %2 points").arg(b.elements).arg(b.points);
    QStringList lignes{
        recus,
        QStringLiteral("Durée du signal, du préambule à la fin du dernier caractère : %1").arg(duree(b.duree_s)),
        QStringLiteral("Unité apprise par le décodeur : %1%2 · rapidité de modulation : %3 bauds")
            .arg(duree(b.unite_s),
                 b.mots_minute > 0 ? QStringLiteral(" (%1 mots/min, norme PARIS)").arg(nombre_fr(b.mots_minute, 1))
                                   : QString(),
                 nombre_fr(b.debit_bauds, 1)),
        QStringLiteral("Débit utile : %1 caractère/s · %2 bit/s (8 bits par caractère)")
            .arg(nombre_fr(b.debit_caracteres_s, 2), nombre_fr(b.debit_bits_s, 1)),
    };
    if (b.bauds_ligne > 0)
        lignes << QStringLiteral("Enregistrement et téléchargement par la ligne série à %1 bauds : %2")
                      .arg(nombre_fr(b.bauds_ligne, 0), duree(b.telechargement_s));
    if (b.niveaux)
        lignes << lignes_niveaux(*b.niveaux);
    if (b.erreurs)
        lignes << lignes_erreurs(*b.erreurs);
    if (!theorique)
        return lignes;
    lignes << QStringLiteral("Le même message à cette vitesse, en théorie :");
    for (std::size_t i = 0; i < codages.size(); ++i) {
        const EmissionPrevue& e = b.theorique[i];
        lignes << QStringLiteral("   %1 : %2 · unité %3 · %4 bauds · %5 caractère/s")
                      .arg(nom_codage(codages[i]), duree(e.duree_s()), duree(e.unite_s), nombre_fr(e.debit_bauds(), 1),
                           nombre_fr(e.debit_caracteres_s(), 2));
    }
    return lignes;
}

} // namespace optolink
