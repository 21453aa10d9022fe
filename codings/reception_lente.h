#pragma once

#include "app/poste/poste.h"

#include <QString>

#include <functional>

namespace optolink {

// Light while the reading is strictly above the threshold, dark while strictly below;
// a reading equal to the threshold is neither.
inline bool lumiere(const Etat& etat) { return etat.tensionlue > etat.tensionseuil; }
inline bool obscurite(const Etat& etat) { return etat.tensionlue < etat.tensionseuil; }

// The receive-wait routine of every coding: shows the window, starts the timer, then waits for a
// light pulse of at least marqueur_min_s (fixed seconds) and runs recevoir when it ends; returns
// as soon as typecodage no longer holds code, so that the program can enter the routine of the new
// coding.
void attendre_reception(Poste& poste, Codage code, double marqueur_min_s,
                              const std::function<void()>& recevoir);

// The yield that starts a pass of a reception, just before the clock reading that times what
// follows. It must not sleep past the reading that has just changed, or the timing would start a
// timer interval late; when the reading is neither light nor dark, nothing can be timed before
// the next reading, so it waits for it instead of spinning.
void ceder_avant_mesure(Poste& poste);

// The window while receiving: yellow input side, Texte1 locked, Texte2 emptied, send buttons off;
// legende goes to Etiquette1, legende2 to Etiquette2.
void commencer_reception(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& legende,
                         const QString& legende2 = QStringLiteral("RECEPTION DE MESSAGE EN COURS   PATIENTEZ SVP"));

// The window when the message is in: Texte2 shows it, the input side is green and editable again
// with texte1 in it, and the send buttons are back.
void afficher_reception(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& texte2,
                        const QString& consigne, const QString& texte1);

} // namespace optolink
