#include "fichiers/csv.h"

#include "liaison/interface.h"

#include <QSaveFile>

namespace optolink {

// Quoted: a spreadsheet that also splits on commas (LibreOffice's import does by default) keeps the
// number whole, and reads it as a number all the same.
QByteArray decimal_csv(double x, int decimales)
{
    return '"' + QByteArray::number(x, 'f', decimales).replace('.', ',') + '"';
}

QByteArray entete_csv(const QString& entete) { return "\xEF\xBB\xBF" + (entete + QStringLiteral("\r\n")).toUtf8(); }

QByteArray texte_csv(std::span<const int> niveaux, double periode_s)
{
    QByteArray texte = entete_csv(QStringLiteral("échantillon;t (s);U (V)"));
    texte.reserve(texte.size() + static_cast<qsizetype>(niveaux.size()) * 22);
    for (std::size_t k = 0; k < niveaux.size(); ++k)
        texte += QByteArray::number(static_cast<qulonglong>(k)) + ';' + decimal_csv(static_cast<double>(k) * periode_s, 4)
                 + ';' + decimal_csv(volts(niveaux[k]), 3) + "\r\n";
    return texte;
}

QString ecrire_csv(const QString& chemin, std::span<const int> niveaux, double periode_s)
{
    return ecrire_texte_csv(chemin, texte_csv(niveaux, periode_s));
}

QString ecrire_texte_csv(const QString& chemin, const QByteArray& texte)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(texte) < 0 || !fichier.commit())
        return QStringLiteral("Le fichier « %1 » ne peut pas être écrit : %2.").arg(chemin, fichier.errorString());
    return {};
}

} // namespace optolink
