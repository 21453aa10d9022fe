#pragma once

#include "poste/poste.h"

namespace optolink {

// The menu entries. They run inside a yield of whatever routine is running and return into it;
// none talks to the interface but the change of coding, which puts out a laser held on.

// A click on an entry of the table of menus: the mark of its group moves to it, then its
// family's handler runs with the entry's constants.
void menu_Click(Poste& poste, Menu entree);

// The handlers of the families of entries.

// The running receive-wait routine sees the new typecodage once the handler has returned and
// hands over to the routine of the new coding.
void changer_codage(Poste& poste, const ChoixCodage& choix);
void choisir_vitesse(Poste& poste, const Vitesse& vitesse);
void choisir_intervalle(Poste& poste, const Intervalle& intervalle);
// Applied to the text boxes by the routines when they next run.
void choisir_police(Poste& poste, const Police& police);
void basculer_enregistrement(Poste& poste, Menu entree, const DemandeEnregistrement& demande);
void ecrire_message_type(Poste& poste, const MessageType& message);
void ecrire_question(Poste& poste, const Question& question);
// The open dialog lecturefichier serves the chosen coding.
void ouvrir_lecturefichier(Poste& poste, const OuvertureFichier& ouverture);
void informer(Poste& poste, const Information& information);

} // namespace optolink
