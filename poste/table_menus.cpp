#include "poste/table_menus.h"

#include "optolink/version.h"

namespace optolink {

namespace {

using enum Menu;
using enum Groupe;
using enum Rangee;
using enum Depart;

const std::array<DescriptionMenu, nombre_menus> table{{
    {menu_codes, "menu_codes", premiere, aucun, "&Codes de messages prédéfinis", SousMenu{}},
    {menu_e1, "menu_e1", menu_codes, aucun, "e1 : les sciences physiques constituent de ...", MessageType{1}},
    {menu_e2, "menu_e2", menu_codes, aucun, "e2 : c'est grâce à la physique qu'on ...", MessageType{2}},
    {menu_e3, "menu_e3", menu_codes, aucun, "e3: c'est grâce à la chimie qu'on ...", MessageType{3}},
    {menu_e4, "menu_e4", menu_codes, aucun, "e4: les sciences physiques permettent ...", MessageType{4}},
    // The fast Morse spellings hold only what the Morse table can send: lower case, no accents,
    // no punctuation.
    {menu_quiestlauteur, "menu_quiestlauteur", menu_codes, aucun,
        "Quel est le nom de l' auteur des deux théories de la  relativité ?",
        Question{"Quel est le nom de l'auteur des deux théories de la relativité ? ",
            "quel est le nom de l auteur des deux theories de la relativite restreinte et generale "},
        grisee},
    {menu_reponsequarmont, "menu_reponsequarmont", menu_codes, aucun,
        "Réponse: c'est le célèbre savant Quarmont Tavlon, bien sûr !",
        Question{"Réponse: c'est le célèbre savant Quarmont Tavlon, bien sûr ! ",
            "reponse  c est le celebre savant quarmont tavlon  bien sur"},
        grisee},
    {menu_messagelong, "menu_messagelong", menu_codes, aucun,
        "Quel est le nom du célèbre auteur des deux théories de la relativité ...",
        Question{"Quel est le nom du célèbre auteur des deux théories de la relativité restreinte en 1906 et de la "
                 "relativité générale en 1916 ?  ",
            "quel est le nom du celebre auteur des deux theories de la relativite restreinte en 1906 et de la "
            "relativite generale en 1916"},
        grisee},

    {menu_reglage_minuterie, "menu_reglage_minuterie", premiere, aucun, "&réglage minuterie", SousMenu{}},
    {menu_30ms, "menu_30ms", menu_reglage_minuterie, intervalle,
        "30 ms (conseillé binaire) (durée entre 2 mesures de tension) ", Intervalle{30}, cochee},
    {menu_50ms, "menu_50ms", menu_reglage_minuterie, intervalle, "50 ms  (conseillé pour le morse)", Intervalle{50}},

    {menu_vitesseemission, "menu_vitesseemission", premiere, aucun, "&vitesse d'émission", SousMenu{}},
    {menu_vit_emission0875, "menu_vit_emission0875", menu_vitesseemission, vitesse, "x 0,875", Vitesse{0.875}},
    {menu_vit_emission09, "menu_vit_emission09", menu_vitesseemission, vitesse, "x 0,9", Vitesse{0.9}},
    {menu_vit_emission0925, "menu_vit_emission0925", menu_vitesseemission, vitesse, "x 0,925", Vitesse{0.925}},
    {menu_vit_emission095, "menu_vit_emission095", menu_vitesseemission, vitesse, "x 0,95", Vitesse{0.95}},
    {menu_vit_emission0975, "menu_vit_emission0975", menu_vitesseemission, vitesse, "x 0,975", Vitesse{0.975}},
    {menu_vit_emission1, "menu_vit_emission1", menu_vitesseemission, vitesse, "x 1 (par défaut)", Vitesse{1, Echantillonnage::us1300},
        cochee},
    {menu_vit_emission11, "menu_vit_emission11", menu_vitesseemission, vitesse, "x 1,1", Vitesse{1.1}},
    {menu_vit_emission12, "menu_vit_emission12", menu_vitesseemission, vitesse, "x 1.2", Vitesse{1.2}},
    {menu_vit_emission13, "menu_vit_emission13", menu_vitesseemission, vitesse, "x 1,3", Vitesse{1.3}},
    {menu_vit_emission2, "menu_vit_emission2", menu_vitesseemission, vitesse, "x 2", Vitesse{2, Echantillonnage::us800}},
    {menu_vit_emission3, "menu_vit_emission3", menu_vitesseemission, vitesse, "x 3", Vitesse{3, Echantillonnage::us500}},

    {menu_police_texterecep, "menu_police_texterecep", premiere, aucun, "&police textes ", SousMenu{}},
    {menu_police12, "menu_police12", menu_police_texterecep, police, "12", Police{12}},
    {menu_police16, "menu_police16", menu_police_texterecep, police, "16 (par défaut)", Police{16}, cochee},
    {menu_police20, "menu_police20", menu_police_texterecep, police, "20", Police{20}},
    {menu_police30, "menu_police30", menu_police_texterecep, police, "30 ", Police{30}},

    // One mark for the six coding entries: the current coding's, or the chosen duration of the
    // fast one.
    {menu_typecode, "menu_typecode", premiere, aucun, "&Type de codage", SousMenu{}},
    {menu_typemorse, "menu_typemorse", menu_typecode, codage, "morse lent (minuterie à 50 ms conseillée)",
        ChoixCodage{Codage::morse}},
    {menu_typebinaire, "menu_typebinaire", menu_typecode, codage, "binaire lent (minuterie à 30 ms conseillée)",
        ChoixCodage{Codage::binaire}},
    {menu_typemorserapide, "menu_typemorserapide", menu_typecode, aucun, "morse rapide", SousMenu{}},
    {menu_morserap_17s, "menu_morserap_17s", menu_typemorserapide, codage, "durée maximale du message : 15 s",
        ChoixCodage{Codage::morse_rapide, 6400,
            " Message à effacer : en morse rapide; message d'environ 1 ligne de caractères au maximum conseillé "
            "pour éviter une durée de transmission dépassant 15 s"}},
    {menu_morserap_34s, "menu_morserap_34s", menu_typemorserapide, codage, "durée maxi du message : 30 s",
        ChoixCodage{Codage::morse_rapide, 12800,
            " Message à effacer : en morse rapide; message d'environ 2 lignes de caractères au maximum conseillé "
            "pour éviter une durée de transmission dépassant 30 s"}},
    {menu_decodage_fichiermorserap, "menu_decodage_fichiermorserap", menu_typemorserapide, aucun,
        "ouverture d'un fichier de code morse enregistré *.rrr",
        OuvertureFichier{Codage::morse_rapide, "Ouverture fichier morse *.rrr"}},
    {menu_autorise_enregistremorse, "menu_autorise_enregistremorse", menu_typemorserapide, aucun,
        "demande d'enregistrement  du code morse reçu", DemandeEnregistrement{&Etat::enregistremorse}, cochee},
    {menu_typebinairerapide, "menu_typebinairerapide", menu_typecode, aucun, "binaire rapide", SousMenu{}},
    {menu_binairerap_17s, "menu_binairerap_17s", menu_typebinairerapide, codage, "durée maximale du message : 15 s",
        ChoixCodage{Codage::binaire_rapide, 6400,
            " Message à effacer : en binaire rapide; message d'environ 1 ligne de caractères au maximum conseillé "
            "pour éviter une durée de transmission dépassant 10 s"}},
    {menu_binairerapide_33s, "menu_binairerapide_33s", menu_typebinairerapide, codage, "durée maxi du message : 30 s",
        ChoixCodage{Codage::binaire_rapide, 12800,
            " Message à effacer : en binaire rapide; message d'environ 2 lignes de caractères au maximum conseillé "
            "pour éviter une durée de transmission dépassant 30 s"}},
    {menu_decodage_fichierbinrap, "menu_decodage_fichierbinrap", menu_typebinairerapide, aucun,
        "ouverture d'un fichier de code binaire enregistré *.rrr",
        OuvertureFichier{Codage::binaire_rapide, "Ouverture fichier binaire *.rrr"}},
    {menu_autorise_enregistrebin, "menu_autorise_enregistrebin", menu_typebinairerapide, aucun,
        "demande d'enregistrement du code binaire reçu", DemandeEnregistrement{&Etat::enregistrebin}, cochee},

    {menu_apropos, "menu_apropos", seconde, aucun,
        "&A propos ...v2-1  (Programme pouvant être placé en haute priorité Win)",
        Information{"A propos ...",
            "Programme de communication par la lumière, écrit pour les travaux pratiques de sciences physiques "
            "du lycée (version " OPTOLINK_VERSION ", 2026)\n"
            "Remerciements à l'équipe technique\n"
            "(Programme pour Orphy GTS II série ou USB)"}},
    {menu_OrphyGTSII, "menu_OrphyGTSII", seconde, aucun, "(Pour Orphy GTS II série ou USB)",
        Information{"Conseils pratiques",
            "Résolution d'écran optimale : 600 x 800\n"
            "Le fonctionnement en morse lent ou rapide ne nécessite normalement pas la mise en priorité Windows\n"
            "Les 2 autres types de codage binaire lent et rapide peuvent nécessiter la mise en priorité Windows\n"
            " si les ordinateurs sont en réseau ou si plusieurs programmes sont en mémoire\n"
            " (Programme pour Orphy GTS II série ou USB)"}},
}};

} // namespace

const std::array<DescriptionMenu, nombre_menus>& table_menus() { return table; }

} // namespace optolink
