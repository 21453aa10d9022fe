#include "rapide/decodage_fichier.h"

#include "codages/attente.h"
#include "codages/reception_lente.h"
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
bool ouvrir_fichier_lu(Poste& poste, QFile& fichier)
{
    poste.etat.nomfichierlu = poste.etat.nomfichier;
    fichier.setFileName(poste.etat.nomfichierlu);
    if (fichier.open(QIODevice::ReadOnly))
        return true;
    poste.boites.message(QStringLiteral("Lecture du fichier impossible"), raison_lecture(poste.etat.nomfichierlu), false);
    poste.minuterie.setEnabled(true);
    return false;
}

void vider_textes(Poste& poste)
{
    FenetrePrincipale& f = poste.fenetre;
    f.Texte1.Text.clear();
    f.Texte2.Text.clear();
    f.Texte1.FontSize = poste.etat.taillepolice;
    f.Texte2.FontSize = poste.etat.taillepolice;
}

// Texte1 follows the decoder; the window is repainted without yielding, a few times a second.
Progression progression_affichee(Poste& poste)
{
    return [&poste, dernier = -jamais_s](const QString& texte) mutable {
        poste.fenetre.Texte1.Text = texte;
        const double maintenant = poste.horloge.maintenant_s();
        if (maintenant - dernier >= intervalle_affichage_s) {
            dernier = maintenant;
            poste.fenetre.rafraichir();
        }
    };
}

} // namespace

void decode_fichiermorserap(Poste& poste)
{
    QFile fichier;
    if (!ouvrir_fichier_lu(poste, fichier))
        return;
    vider_textes(poste);
    ceder_sans_attendre(poste);
    poste.minuterie.setEnabled(false);
    const ReceptionMorse recu = decode_fichiermorserap(fichier, progression_affichee(poste));
    ceder_sans_attendre(poste);
    fichier.close();
    poste.etat.message = recu.message;
    afficher_reception(poste, &FenetrePrincipale::Btonenvoiemorse, recu.message,
                       " Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code" + QString(25, u' '),
                       recu.texte1);
    poste.etat.nbsilences = 0;
    poste.minuterie.setEnabled(true);
}

void decode_fichierbinrap(Poste& poste)
{
    QFile fichier;
    if (!ouvrir_fichier_lu(poste, fichier))
        return;
    Etat& etat = poste.etat;
    etat.chainebits.clear();
    etat.textebits.clear();
    vider_textes(poste);
    poste.minuterie.setEnabled(false);
    ceder_sans_attendre(poste);
    const ReceptionBinaire recu = decode_fichierbinrap(fichier, progression_affichee(poste));
    fichier.close();
    etat.chainebits = recu.chainebits;
    etat.textebits = recu.textebits;
    etat.message = recu.message;
    afficher_reception(poste, &FenetrePrincipale::Btonenvoiebinaire, recu.message,
                       " Entrer un message (tout caractère clavier) ou code" + QString(25, u' '), recu.texte1);
    poste.minuterie.setEnabled(true);
}

void confirmer_lecturefichier(Poste& poste, const QString& chemin)
{
    Etat& etat = poste.etat;
    etat.nomfichier = chemin;
    etat.nomfichierlu = etat.nomfichier;
    if (etat.nomfichierlu.isEmpty())
        return;
    if (etat.typedecodage == Codage::binaire_rapide)
        decode_fichierbinrap(poste);
    if (etat.typedecodage == Codage::morse_rapide)
        decode_fichiermorserap(poste);
}

} // namespace optolink
