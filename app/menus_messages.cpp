#include "app/menus.h"

namespace optolink {

namespace {

// The quiz texts depend on the fast coding: fast Morse sends only what the Morse table holds
// (lower case, no accents, no punctuation). The slow codings ignore them.
void question(Poste& poste, const char* binaire_rapide, const char* morse_rapide)
{
    const std::optional<Codage> code = poste.etat.typecodage;
    if (code == Codage::binaire_rapide)
        poste.fenetre.Texte1.Text = binaire_rapide;
    else if (code == Codage::morse_rapide)
        poste.fenetre.Texte1.Text = morse_rapide;
}

} // namespace

void menu_e1_Click(Poste& p)
{
    p.fenetre.Texte1.Text = "code e1 : les sciences physiques constituent de belles sciences utilisant les "
                            "mathématiques, le français, le dessin technique et l'informatique ";
}
void menu_e2_Click(Poste& p)
{
    p.fenetre.Texte1.Text =
        "code e2 : c'est grâce à la physique qu'on construit, qu'on se chauffe et qu'on communique par exemple";
}
void menu_e3_Click(Poste& p)
{
    p.fenetre.Texte1.Text = "code e3 : c'est grâce à la chimie qu'on s'habille, qu'on se soigne, qu'on crée de "
                            "nouvelles matières par exemple";
}
void menu_e4_Click(Poste& p)
{
    p.fenetre.Texte1.Text = "code e4 : les sciences physiques permettent à l'homme d'étudier la matière et les "
                            "énergies en vue de les utiliser";
}

void menu_quiestlauteur_Click(Poste& p)
{
    question(p, "Quel est le nom de l'auteur des deux théories de la relativité ? ",
        "quel est le nom de l auteur des deux theories de la relativite restreinte et generale ");
}
void menu_reponsequarmont_Click(Poste& p)
{
    question(p, "Réponse: c'est le célèbre savant Quarmont Tavlon, bien sûr ! ",
        "reponse  c est le celebre savant quarmont tavlon  bien sur");
}
void menu_messagelong_Click(Poste& p)
{
    question(p,
        "Quel est le nom du célèbre auteur des deux théories de la relativité restreinte en 1906 et de la "
        "relativité générale en 1916 ?  ",
        "quel est le nom du celebre auteur des deux theories de la relativite restreinte en 1906 et de la "
        "relativite generale en 1916");
}

} // namespace optolink
