#pragma once

#include "poste/crochet.h"

#include <QString>

#include <cstdint>

namespace optolink {

// Colours as 24-bit values with blue in the high byte.
using Couleur = std::uint32_t;
constexpr Couleur vert_clair = 0xC0FFC0;  // busy
constexpr Couleur jaune_clair = 0xC0FFFF; // ready to receive

struct Etiquette {
    QString Caption;
    Couleur BackColor = 0;
};

struct BoiteTexte {
    QString Text;
    bool Locked = false;
    int FontSize = 16;
    Couleur BackColor = 0;
};

struct Bouton {
    QString Caption;
    bool Enabled = true;
    bool Visible = true;
};

// Not one of the designed controls: a thin bar along the bottom edge of Etiquette2 that shows how
// far a long wait has gone (a download, the sender's final silence); Texte says it in words.
struct Avancement {
    bool Visible = false;
    int Valeur = 0;
    int Maximum = 0;
    QString Texte;
};

struct EntreeMenu {
    QString Caption;
    bool Checked = false;
    bool Enabled = true;
};

// What the routines see of the main window: captions, texts, colours and states of its
// controls and menu entries. The widgets follow this model; tests read it without a window.
struct FenetrePrincipale {
    QString Caption;
    bool Visible = false;

    Etiquette Etiquette1;
    Etiquette Etiquette2;
    Avancement avancement;
    BoiteTexte Texte1;
    BoiteTexte Texte2;

    Bouton Btonenvoiemorse;
    Bouton Btonenvoi_morserapide;
    Bouton Btonenvoiebinaire;
    Bouton Btonenvoi_binrap;
    Bouton Btonefface;
    Bouton Btonquitter;

    EntreeMenu menu_codes, menu_e1, menu_e2, menu_e3, menu_e4;
    EntreeMenu menu_quiestlauteur, menu_reponsequarmont, menu_messagelong;
    EntreeMenu menu_reglage_minuterie, menu_30ms, menu_50ms;
    EntreeMenu menu_vitesseemission;
    EntreeMenu menu_vit_emission0875, menu_vit_emission09, menu_vit_emission0925, menu_vit_emission095,
        menu_vit_emission0975, menu_vit_emission1, menu_vit_emission11, menu_vit_emission12,
        menu_vit_emission13, menu_vit_emission2, menu_vit_emission3;
    EntreeMenu menu_police_texterecep, menu_police12, menu_police16, menu_police20, menu_police30;
    EntreeMenu menu_typecode, menu_typemorse, menu_typebinaire;
    EntreeMenu menu_typemorserapide, menu_morserap_17s, menu_morserap_34s, menu_decodage_fichiermorserap,
        menu_autorise_enregistremorse;
    EntreeMenu menu_typebinairerapide, menu_binairerap_17s, menu_binairerapide_33s,
        menu_decodage_fichierbinrap, menu_autorise_enregistrebin;
    EntreeMenu menu_apropos, menu_OrphyGTSII;

    // Shows the open dialog lecturefichier (modeless) with this caption; nothing until a window
    // provides the dialog.
    Crochet<const QString&> surOuvrirLecturefichier;
    // Shows the save dialog enregistrefichier (modeless) with this caption, at the end of a fast
    // reception when its save prompt is on; it writes tabmesures when the user confirms.
    Crochet<const QString&> surOuvrirEnregistrefichier;

    // "Show the main window": make it visible, bring it forward and paint it now.
    Crochet<> surMontrer;
    void montrer()
    {
        Visible = true;
        surMontrer();
    }

    // "Repaint now": the window shows the model at once without running any event, so that a
    // long routine that does not yield still shows its progress.
    Crochet<> surRafraichir;
    void rafraichir() { surRafraichir(); }
};

} // namespace optolink
