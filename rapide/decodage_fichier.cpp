#include "rapide/decodage_fichier.h"

#include "codages/attente.h"
#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"

#include <QFile>
#include <QFileInfo>

namespace optolink {

namespace {

// Repainting the window after every symbol of a long file would cost more than the decoding.
constexpr double intervalle_affichage_s = 0.05;

QString raison_lecture(const QString& chemin)
{
    const QFileInfo info(chemin);
    const QString raison = !info.exists() ? QStringLiteral("il n'existe pas")
        : info.isDir()                    ? QStringLiteral("c'est un dossier, pas un fichier")
        : !info.isReadable()              ? QStringLiteral("sa lecture n'est pas autorisée")
                                          : QStringLiteral("il ne peut pas être ouvert");
    return QStringLiteral("Le fichier « %1 » ne peut pas être lu : %2.").arg(chemin, raison);
}

// nomfichierlu = nomfichier, opened for reading.
bool ouvrir_fichier_lu(const Plateforme& plateforme, Etat& etat, QFile& fichier)
{
    etat.nomfichierlu = etat.nomfichier;
    fichier.setFileName(etat.nomfichierlu);
    if (fichier.open(QIODevice::ReadOnly))
        return true;
    plateforme.boites.message(QStringLiteral("Lecture du fichier impossible"), raison_lecture(etat.nomfichierlu), false);
    plateforme.minuterie.setEnabled(true);
    return false;
}

// The symbols follow the decoder; the window is repainted without yielding, a few times a second.
Progression progression_affichee(Horloge& horloge, Evenements& evenements)
{
    return [&horloge, &evenements, dernier = -jamais_s](const QString& texte) mutable {
        evenements.symboles_recus(texte);
        const double maintenant = horloge.maintenant_s();
        if (maintenant - dernier >= intervalle_affichage_s) {
            dernier = maintenant;
            evenements.repeindre();
        }
    };
}

} // namespace

void decode_fichiermorserap(const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    QFile fichier;
    if (!ouvrir_fichier_lu(plateforme, etat, fichier))
        return;
    evenements.decodage_commence();
    ceder_sans_attendre(plateforme.boucle);
    plateforme.minuterie.setEnabled(false);
    const ReceptionMorse recu = decode_fichiermorserap(fichier, progression_affichee(plateforme.horloge, evenements));
    ceder_sans_attendre(plateforme.boucle);
    fichier.close();
    etat.message = recu.message;
    evenements.fichier_decode(Codage::morse_rapide, recu.message, recu.texte1);
    etat.nbsilences = 0;
    plateforme.minuterie.setEnabled(true);
}

void decode_fichierbinrap(const Plateforme& plateforme, Etat& etat, Evenements& evenements)
{
    QFile fichier;
    if (!ouvrir_fichier_lu(plateforme, etat, fichier))
        return;
    etat.chainebits.clear();
    etat.textebits.clear();
    evenements.decodage_commence();
    plateforme.minuterie.setEnabled(false);
    ceder_sans_attendre(plateforme.boucle);
    const ReceptionBinaire recu = decode_fichierbinrap(fichier, progression_affichee(plateforme.horloge, evenements));
    fichier.close();
    etat.chainebits = recu.chainebits;
    etat.textebits = recu.textebits;
    etat.message = recu.message;
    evenements.fichier_decode(Codage::binaire_rapide, recu.message, recu.texte1);
    plateforme.minuterie.setEnabled(true);
}

void confirmer_lecturefichier(const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                              const QString& chemin)
{
    etat.nomfichier = chemin;
    etat.nomfichierlu = etat.nomfichier;
    if (etat.nomfichierlu.isEmpty())
        return;
    if (etat.typedecodage == Codage::binaire_rapide)
        decode_fichierbinrap(plateforme, etat, evenements);
    if (etat.typedecodage == Codage::morse_rapide)
        decode_fichiermorserap(plateforme, etat, evenements);
}

} // namespace optolink
