#include "fichiers/rrr.h"

#include "caracteres/windows1252.h"
#include "liaison/nombres.h"

#include <QSaveFile>

#include <array>
#include <cmath>

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

// A sample as the file keeps it: the number the download read, nothing for no sample.
QByteArray texte_mesure(Mesure m)
{
    if (!mesuree(m))
        return {};
    if (m == std::floor(m))
        return texte_nombre(static_cast<long long>(m)).toLatin1();
    return (m < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(m);
}

QByteArray contenu(std::span<const Mesure> tabmesures, int nbmesuresmax)
{
    QByteArray texte;
    texte.reserve(700 + 16 * (nbmesuresmax + 1));
    for (const char* ligne : entete)
        texte += QByteArray(ligne) + "\r\n";
    for (int k = 0; k <= nbmesuresmax; ++k) {
        const Mesure mesure = k < std::ssize(tabmesures) ? tabmesures[k] : sans_mesure;
        texte += ' ' + texte_nombre(k).toLatin1() + ' ' + texte_mesure(mesure) + " \r\n";
    }
    return texte;
}

bool est_blanc(char c) { return c == ' ' || c == '\t'; }

} // namespace

EcritureRrr ecrire_fichier_rrr(const QString& chemin, std::span<const Mesure> tabmesures,
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
    return niveau(nombre_en_tete(ligne.sliced(i + 1), true));
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

std::vector<int> niveaux_rrr(QIODevice& fichier)
{
    std::vector<int> niveaux;
    LecteurRrr lecteur(fichier);
    lecteur.sauter(lignes_entete_rrr);
    while (!lecteur.fin())
        niveaux.push_back(lecteur.valeur_suivante());
    return niveaux;
}

} // namespace optolink
