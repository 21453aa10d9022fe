#include "app/menus.h"

#include "optolink/version.h"

namespace optolink {

namespace {

void ouvrir_lecturefichier(Poste& poste, const QString& typedecodage, const QString& caption)
{
    poste.etat.typedecodage = typedecodage;
    poste.fenetre.surOuvrirLecturefichier(caption);
}

} // namespace

void menu_decodage_fichiermorserap_Click(Poste& p)
{
    ouvrir_lecturefichier(p, code_morse_rapide, QStringLiteral("Ouverture fichier morse *.rrr"));
}
void menu_decodage_fichierbinrap_Click(Poste& p)
{
    ouvrir_lecturefichier(p, code_binaire_rapide, QStringLiteral("Ouverture fichier binaire *.rrr"));
}

void menu_apropos_Click(Poste& p)
{
    p.plateforme.boites.message("A propos ...",
        "Programme de communication par la lumière, écrit pour les travaux pratiques de sciences physiques "
        "du lycée (version " OPTOLINK_VERSION ", 2026)\n"
        "Remerciements à l'équipe technique\n"
        "(Programme pour Orphy GTS II série ou USB)",
        false);
}

void menu_OrphyGTSII_Click(Poste& p)
{
    p.plateforme.boites.message("Conseils pratiques",
        "Résolution d'écran optimale : 600 x 800\n"
        "Le fonctionnement en morse lent ou rapide ne nécessite normalement pas la mise en priorité Windows\n"
        "Les 2 autres types de codage binaire lent et rapide peuvent nécessiter la mise en priorité Windows\n"
        " si les ordinateurs sont en réseau ou si plusieurs programmes sont en mémoire\n"
        " (Programme pour Orphy GTS II série ou USB)",
        false);
}

} // namespace optolink
