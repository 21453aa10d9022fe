#include "dessin/texte_bilan.h"

#include "dessin/axes.h"

namespace optolink {

namespace {
QString duree(double s)
{
    return s < 1 ? QStringLiteral("%1 ms").arg(nombre_fr(s * 1000, 1)) : QStringLiteral("%1 s").arg(nombre_fr(s, 2));
}
} // namespace

QStringList lignes_bilan(const Bilan& b)
{
    QString recus = QStringLiteral("Reçu : %1 caractère%2").arg(b.caracteres).arg(b.caracteres > 1 ? "s" : "");
    if (b.bits > 0)
        recus += QStringLiteral(", %1 bits").arg(b.bits);
    if (b.elements > 0)
        recus += QStringLiteral(", %1 éléments morse dont %2 points").arg(b.elements).arg(b.points);
    QStringList lignes{
        recus,
        QStringLiteral("Durée du signal, du préambule à la fin du dernier caractère : %1").arg(duree(b.duree_s)),
        QStringLiteral("Unité apprise par le décodeur : %1 · rapidité de modulation : %2 bauds")
            .arg(duree(b.unite_s), nombre_fr(b.debit_bauds, 1)),
        QStringLiteral("Débit utile : %1 caractère/s · %2 bit/s (8 bits par caractère)")
            .arg(nombre_fr(b.debit_caracteres_s, 2), nombre_fr(b.debit_bits_s, 1)),
        QStringLiteral("Le même message à cette vitesse, en théorie :"),
    };
    if (b.bauds_ligne > 0)
        lignes.insert(4, QStringLiteral("Enregistrement et téléchargement par la ligne série à %1 bauds : %2")
                             .arg(nombre_fr(b.bauds_ligne, 0), duree(b.telechargement_s)));
    for (std::size_t i = 0; i < codages.size(); ++i) {
        const EmissionPrevue& e = b.theorique[i];
        lignes << QStringLiteral("   %1 : %2 · unité %3 · %4 bauds · %5 caractère/s")
                      .arg(nom_codage(codages[i]), duree(e.duree_s()), duree(e.unite_s), nombre_fr(e.debit_bauds(), 1),
                           nombre_fr(e.debit_caracteres_s(), 2));
    }
    return lignes;
}

} // namespace optolink
