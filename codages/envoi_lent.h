#pragma once

#include "poste/poste.h"
#include "codages/attente.h"

#include <QString>

#include <functional>

namespace optolink {

// What the two slow transmitters share: the window while sending, the markers around the
// coded signal, and the window given back at the end.
struct EnvoiLent {
    Bouton FenetrePrincipale::*bouton;  // the send button of the coding
    const char* legende_envoi;          // Etiquette2 while sending
    const char* consigne;               // Etiquette1 when done
    double marqueur_debut_s;            // light, without yielding: the window does not respond
    double pause_s;                     // dark
    double marqueur_fin_s;              // light
};

// What every transmitter does first: timer stopped, legende in Etiquette1, Texte1 locked, the send
// button and Btonefface disabled, Etiquette2 and Texte2 green, the font size applied.
void preparer_envoi(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& legende);

// Preparation: timer stopped, busy captions and colours, message = abreger(Texte1), window shown.
void commencer_envoi(Poste& poste, const EnvoiLent& envoi);

// Start marker and pause, the coded signal played by corps, end marker, laser off and trailer.
void emettre_entre_marqueurs(Poste& poste, const EnvoiLent& envoi, const std::function<void()>& corps);

// What every transmitter does last: consigne in Etiquette1, Texte1 editable, the buttons back,
// Etiquette2 and Texte2 yellow with "Réception de message" and no text, timer restarted, one yield.
void terminer_envoi(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& consigne);
void terminer_envoi(Poste& poste, const EnvoiLent& envoi);

} // namespace optolink
