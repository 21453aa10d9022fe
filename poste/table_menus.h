#pragma once

#include "poste/etat.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace optolink {

// The entries of the menu bar, in the order of the table of menus.
enum class Menu : std::uint8_t {
    menu_codes, menu_e1, menu_e2, menu_e3, menu_e4, menu_quiestlauteur, menu_reponsequarmont, menu_messagelong,
    menu_reglage_minuterie, menu_30ms, menu_50ms,
    menu_vitesseemission, menu_vit_emission0875, menu_vit_emission09, menu_vit_emission0925, menu_vit_emission095,
    menu_vit_emission0975, menu_vit_emission1, menu_vit_emission11, menu_vit_emission12, menu_vit_emission13,
    menu_vit_emission2, menu_vit_emission3,
    menu_police_texterecep, menu_police12, menu_police16, menu_police20, menu_police30,
    menu_typecode, menu_typemorse, menu_typebinaire,
    menu_typemorserapide, menu_morserap_17s, menu_morserap_34s, menu_decodage_fichiermorserap,
    menu_autorise_enregistremorse,
    menu_typebinairerapide, menu_binairerap_17s, menu_binairerapide_33s, menu_decodage_fichierbinrap,
    menu_autorise_enregistrebin,
    menu_apropos, menu_OrphyGTSII,
};
inline constexpr std::size_t nombre_menus = std::size_t(Menu::menu_OrphyGTSII) + 1;

// What an entry does, by family; each family's entries differ only by these constants.

// A menu of the bar or a submenu: choosing it shows its entries.
struct SousMenu {};

// A coding switch. A fast entry also sets the length of the recording and writes its advice in
// Texte1; a slow one leaves the length and empties Texte1.
struct ChoixCodage {
    Codage code;
    std::optional<std::int16_t> nbmesuresmax = {};
    const char* conseil = "";
};

// The emission speed: dureebit is the inverse of the factor. Only x 1, x 2 and x 3 also choose
// the sampling mode of the fast recordings.
struct Vitesse {
    double facteur;
    std::optional<Echantillonnage> modevitesse = {};
};

// The period of the EA0 reading.
struct Intervalle {
    int ms;
};

// The font size the routines give the text boxes when they next run.
struct Police {
    std::int16_t taille;
};

// One of the four canned messages, "code e1 : ..." to "code e4 : ...", written in Texte1.
struct MessageType {
    int numero;
};

// A quiz text for Texte1, spelled for the fast coding current; nothing in a slow one.
struct Question {
    const char* binaire_rapide;
    const char* morse_rapide;
};

// The save prompt of a fast receiver, on and off in turn.
struct DemandeEnregistrement {
    bool Etat::*drapeau;
};

// The open dialog lecturefichier, for the file decoder of a fast coding.
struct OuvertureFichier {
    Codage typedecodage;
    const char* caption;
};

// A box with OK only.
struct Information {
    const char* titre;
    const char* texte;
};

using ActionMenu = std::variant<SousMenu, ChoixCodage, Vitesse, Intervalle, Police, MessageType, Question,
    DemandeEnregistrement, OuvertureFichier, Information>;

// The entries that carry one check mark between them: choosing one puts its mark on and takes
// the others off.
enum class Groupe : std::uint8_t { aucun, codage, intervalle, vitesse, police };

// Where an entry sits: on a row of the menu bar (the designed bar takes a second row for what
// does not fit on the first), or in the menu of another entry, listed before it.
enum class Rangee : std::uint8_t { premiere, seconde };
using Place = std::variant<Rangee, Menu>;

// How an entry is when the window opens.
enum class Depart : std::uint8_t { normale, cochee, grisee };

struct DescriptionMenu {
    Menu entree;
    const char* nom; // the entry's name, which its widget carries
    Place place;
    Groupe groupe;
    const char* caption;
    ActionMenu action;
    Depart depart = Depart::normale;
};

// Every entry of the menu bar, in the order they are shown, each at the index of its Menu.
const std::array<DescriptionMenu, nombre_menus>& table_menus();

inline const DescriptionMenu& description(Menu m) { return table_menus()[std::size_t(m)]; }

} // namespace optolink
