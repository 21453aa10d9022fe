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

    f.menu_codes = {"&Codes de messages prédéfinis"};
    f.menu_e1 = {"e1 : les sciences physiques constituent de ..."};
    f.menu_e2 = {"e2 : c'est grâce à la physique qu'on ..."};
    f.menu_e3 = {"e3: c'est grâce à la chimie qu'on ..."};
    f.menu_e4 = {"e4: les sciences physiques permettent ..."};
    f.menu_quiestlauteur = {"Quel est le nom de l' auteur des deux théories de la  relativité ?", false, false};
    f.menu_reponsequarmont = {"Réponse: c'est le célèbre savant Quarmont Tavlon, bien sûr !", false, false};
    f.menu_messagelong = {"Quel est le nom du célèbre auteur des deux théories de la relativité ...", false, false};

    f.menu_reglage_minuterie = {"&réglage minuterie"};
    f.menu_30ms = {"30 ms (conseillé binaire) (durée entre 2 mesures de tension) ", true};
    f.menu_50ms = {"50 ms  (conseillé pour le morse)"};

    f.menu_vitesseemission = {"&vitesse d'émission"};
    f.menu_vit_emission0875 = {"x 0,875"};
    f.menu_vit_emission09 = {"x 0,9"};
    f.menu_vit_emission0925 = {"x 0,925"};
    f.menu_vit_emission095 = {"x 0,95"};
    f.menu_vit_emission0975 = {"x 0,975"};
    f.menu_vit_emission1 = {"x 1 (par défaut)", true};
    f.menu_vit_emission11 = {"x 1,1"};
    f.menu_vit_emission12 = {"x 1.2"};
    f.menu_vit_emission13 = {"x 1,3"};
    f.menu_vit_emission2 = {"x 2"};
    f.menu_vit_emission3 = {"x 3"};

    f.menu_police_texterecep = {"&police textes "};
    f.menu_police12 = {"12"};
    f.menu_police16 = {"16 (par défaut)", true};
    f.menu_police20 = {"20"};
    f.menu_police30 = {"30 "};

    f.menu_typecode = {"&Type de codage"};
    f.menu_typemorse = {"morse lent (minuterie à 50 ms conseillée)"};
    f.menu_typebinaire = {"binaire lent (minuterie à 30 ms conseillée)"};
    f.menu_typemorserapide = {"morse rapide"};
    f.menu_morserap_17s = {"durée maximale du message : 15 s"};
    f.menu_morserap_34s = {"durée maxi du message : 30 s"};
    f.menu_decodage_fichiermorserap = {"ouverture d'un fichier de code morse enregistré *.rrr"};
    f.menu_autorise_enregistremorse = {"demande d'enregistrement  du code morse reçu", true};
    f.menu_typebinairerapide = {"binaire rapide"};
    f.menu_binairerap_17s = {"durée maximale du message : 15 s"};
    f.menu_binairerapide_33s = {"durée maxi du message : 30 s"};
    f.menu_decodage_fichierbinrap = {"ouverture d'un fichier de code binaire enregistré *.rrr"};
    f.menu_autorise_enregistrebin = {"demande d'enregistrement du code binaire reçu", true};

    f.menu_apropos = {"&A propos ...v2-1  (Programme pouvant être placé en haute priorité Win)"};
    f.menu_OrphyGTSII = {"(Pour Orphy GTS II série ou USB)"};
    return f;
}

} // namespace optolink
