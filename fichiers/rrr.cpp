#include "fichiers/rrr.h"

#include "caracteres/windows1252.h"
#include "liaison/nombres.h"

#include <QSaveFile>

#include <array>

namespace optolink {

namespace {

// "\xFB" is the "û" that opens each block name; the last line is the single DEL character.
constexpr std::array<const char*, lignes_entete_rrr> entete = {
    "EVARISTE REGRESSI 2.0", "", " n R", "", "",
    "\xFB" "2 EXPR VARIABLE", "", "",
    "\xFB" "2 INCERT VARIABLE", "", "",
    "\xFB" "2 UNITE VARIABLE ", "", "",
    "\xFB" "17 CFG", "n", "R", "n", "", "",
    "FALSE", "FALSE", "FALSE", "0", "1", "TRUE", "TRUE", "FALSE", "RAD", "2", "FALSE", "FALSE",
    "\xFB" "1 INTERFACE ", "Clavier  ", "\x7F",
};

QByteArray en_windows1252(const QString& texte)
{
    QByteArray octets;
    octets.reserve(texte.size());
    for (const QChar c : texte)
        octets += static_cast<char>(code_windows1252(c).value_or('?'));
    return octets;
}

QByteArray contenu(std::span<const QString> tabmesures, int nbmesuresmax)
{
    QByteArray texte;
    texte.reserve(700 + 16 * (nbmesuresmax + 1));
    for (const char* ligne : entete)
        texte += QByteArray(ligne) + "\r\n";
    for (int k = 0; k <= nbmesuresmax; ++k) {
        const QString mesure = k < std::ssize(tabmesures) ? tabmesures[k] : QString();
        texte += ' ' + texte_nombre(k).toLatin1() + ' ' + en_windows1252(mesure) + " \r\n";
    }
    return texte;
}

bool est_blanc(char c) { return c == ' ' || c == '\t'; }

} // namespace

EcritureRrr ecrire_fichier_rrr(const QString& chemin, std::span<const QString> tabmesures,
                               int nbmesuresmax)
{
    if (chemin.isEmpty())
        return {};
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Le fichier « %1 » ne peut pas être créé (dossier absent ou "
                                      "protégé en écriture).").arg(chemin)};
    const QByteArray texte = contenu(tabmesures, nbmesuresmax);
    if (fichier.write(texte) != texte.size() || !fichier.commit())
        return {false, QStringLiteral("L'écriture du fichier « %1 » a échoué (disque plein ou "
                                      "retiré ?).").arg(chemin)};
    return {};
}

int valeur_ligne(QByteArrayView ligne)
{
    qsizetype i = 0;
    const qsizetype n = ligne.size();
    while (i < n && est_blanc(ligne[i]))
        ++i;
    while (i < n && !est_blanc(ligne[i]))
        ++i;
    if (i >= n)
        return 0;
    return valeur_mesure(QString::fromLatin1(ligne.sliced(i + 1)), true);
}

QByteArrayView LecteurRrr::ligne()
{
    tampon_.truncate(0);
    char morceau[256];
    for (;;) {
        const qint64 n = source_.readLine(morceau, sizeof morceau);
        if (n <= 0)
            break;
        tampon_.append(morceau, n);
        if (morceau[n - 1] == '\n')
            break;
    }
    while (tampon_.endsWith('\n') || tampon_.endsWith('\r'))
        tampon_.chop(1);
    return tampon_;
}

int LecteurRrr::valeur_suivante()
{
    return fin() ? 0 : valeur_ligne(ligne());
}

void LecteurRrr::sauter(int nblignes)
{
    for (int i = 0; i < nblignes && !fin(); ++i)
        ligne();
}

} // namespace optolink
