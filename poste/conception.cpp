#include "poste/conception.h"

namespace optolink {

FenetrePrincipale fenetre_conception()
{
    FenetrePrincipale f;
    f.Caption = "Communication entre deux ordinateurs en code binaire 8 bits ASCII";

    f.Etiquette1 = {"Entrer un message (tout caractère clavier) ou code", vert_clair};
    f.Etiquette2 = {"Réception de message", jaune_clair};
    // Texte1 is designed at 15.75 pt and Texte2 at 36 pt; both take taillepolice as soon as a
    // routine shows the window, so the model starts them at the start-up size.
    f.Texte1 = {"", false, 16, vert_clair};
    f.Texte2 = {"", false, 36, jaune_clair};

    f.Btonenvoiemorse = {"E&nvoi du message en code morse"};
    f.Btonenvoi_morserapide = {"Envoi du message en morse rapide"};
    f.Btonenvoiebinaire = {"&Envoi du message en code binaire"};
    f.Btonenvoi_binrap = {"Envoi du message en binaire rapide"};
    f.Btonefface = {"E&ffacer le message affiché pour envoi"};
    f.Btonquitter = {"&Quitter"};

    for (const DescriptionMenu& d : table_menus())
        f.menus[d.entree] = {d.caption, d.depart == Depart::cochee, d.depart != Depart::grisee};
    return f;
}

} // namespace optolink
