#pragma once

#include "poste/crochet.h"
#include "poste/table_menus.h"

#include <QString>

#include <array>
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

// The entries of the menu bar, by name: menus[Menu::menu_30ms].
struct EntreesMenu {
    std::array<EntreeMenu, nombre_menus> entrees;

    EntreeMenu& operator[](Menu m) { return entrees[std::size_t(m)]; }
    const EntreeMenu& operator[](Menu m) const { return entrees[std::size_t(m)]; }
    // The entry's mark on, the marks of the other entries of its group off.
    void cocher_seule(Menu m)
    {
        const Groupe groupe = description(m).groupe;
        for (const DescriptionMenu& d : table_menus())
            if (d.entree == m || (groupe != Groupe::aucun && d.groupe == groupe))
                (*this)[d.entree].Checked = d.entree == m;
    }
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

    EntreesMenu menus;

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
