#include "fichiers/affichage_repertoire.h"
#include "fichiers/noms.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace optolink;

// Any text typed as a file name or met as a directory path by the file dialogs. The first byte
// chooses the separator ("/" or "\"), the second the label's width; the rest is the text in UTF-8.
// The path shown is the path itself, or its head, "..." and a tail of it that starts at a separator.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 2)
        return 0;
    const QChar separateur = donnees[0] == '/' ? u'/' : u'\\';
    const int largeur_etiquette = donnees[1] * 4;
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees + 2), static_cast<qsizetype>(taille - 2));

    nom_valide(texte);
    contient_joker(texte);
    chemin_complet(texte, texte, separateur);

    // Glyphs of unequal widths, some of none, as in a real font.
    const auto largeur = [](const QString& t) {
        int somme = 0;
        for (const QChar c : t)
            somme += c.unicode() % 16;
        return somme;
    };
    const QString affiche = repertoire_affiche(texte, largeur_etiquette, largeur, separateur);
    if (affiche == texte)
        return 0;
    const QString tete = texte.left(texte.indexOf(separateur) + 1);
    const QString queue = affiche.mid(tete.size() + 3);
    if (!affiche.startsWith(tete + QStringLiteral("...")) || !queue.startsWith(separateur) || !texte.endsWith(queue))
        std::abort();
    return 0;
}
