#pragma once

#include "poste/poste.h"

namespace optolink {

// The click handlers of the menu entries. They run inside a yield of whatever routine is
// running and return into it; none talks to the interface.

// Coding switches: the running receive-wait routine sees the new typecodage once the handler
// has returned and hands over to the routine of the new coding.
void menu_typemorse_Click(Poste& poste);
void menu_typebinaire_Click(Poste& poste);
void menu_morserap_17s_Click(Poste& poste);
void menu_morserap_34s_Click(Poste& poste);
void menu_binairerap_17s_Click(Poste& poste);
void menu_binairerapide_33s_Click(Poste& poste);

// Emission speed.
void menu_vit_emission0875_Click(Poste& poste);
void menu_vit_emission09_Click(Poste& poste);
void menu_vit_emission0925_Click(Poste& poste);
void menu_vit_emission095_Click(Poste& poste);
void menu_vit_emission0975_Click(Poste& poste);
void menu_vit_emission1_Click(Poste& poste);
void menu_vit_emission11_Click(Poste& poste);
void menu_vit_emission12_Click(Poste& poste);
void menu_vit_emission13_Click(Poste& poste);
void menu_vit_emission2_Click(Poste& poste);
void menu_vit_emission3_Click(Poste& poste);

// Reading interval.
void menu_30ms_Click(Poste& poste);
void menu_50ms_Click(Poste& poste);

// Font size of the text boxes, applied by the routines when they next run.
void menu_police12_Click(Poste& poste);
void menu_police16_Click(Poste& poste);
void menu_police20_Click(Poste& poste);
void menu_police30_Click(Poste& poste);

// Canned and quiz messages, written into Texte1.
void menu_e1_Click(Poste& poste);
void menu_e2_Click(Poste& poste);
void menu_e3_Click(Poste& poste);
void menu_e4_Click(Poste& poste);
void menu_quiestlauteur_Click(Poste& poste);
void menu_reponsequarmont_Click(Poste& poste);
void menu_messagelong_Click(Poste& poste);

// Save prompts of the fast receivers.
void menu_autorise_enregistremorse_Click(Poste& poste);
void menu_autorise_enregistrebin_Click(Poste& poste);

// Decoding a saved signal: the open dialog lecturefichier serves the chosen coding.
void menu_decodage_fichiermorserap_Click(Poste& poste);
void menu_decodage_fichierbinrap_Click(Poste& poste);

// Information boxes.
void menu_apropos_Click(Poste& poste);
void menu_OrphyGTSII_Click(Poste& poste);

} // namespace optolink
