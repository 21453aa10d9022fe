#ifndef OPTOLINK_CARTE_ENVOI_H
#define OPTOLINK_CARTE_ENVOI_H

/* What the chip sends the computer, one character per interrupt: its greeting at start-up, the
 * samples of a recording ("37,") and the readings asked for ("37" and a carriage return), each
 * whole, in the order they come. The line starts at the interface's 9600 baud; the computer can
 * move it to 500 000 baud, and any byte the chip cannot frame there brings it back to 9600: the
 * computer writes at 9600 again (a check that failed, a program that starts while the board keeps
 * running, its auto-reset off). */

#include <stdint.h>

void envoi_initialiser(void);

/* The greeting, "OPTOLINK CARTE 1" and a carriage return: the computer learns that it may ask for
 * the faster rate. */
void envoi_accueil(void);

/* The computer asks for that rate: 9600 or 500000; any other is refused. Taken by envoi_vitesse_due()
 * once what is on its way has gone. */
void envoi_demander_vitesse(uint32_t bauds);

/* Out of interrupts: the rate asked for is taken once the line is idle; it changes nothing else. */
uint8_t envoi_vitesse_attendue(void);
void envoi_vitesse_due(void);

/* A byte came with a framing error: past 9600 baud, the line goes back to it at once. */
void envoi_erreur_de_trame(void);

/* The line's time for a sample, "63," at the current rate, in µs. */
uint16_t envoi_us_par_echantillon(void);

/* A new recording starts: what is queued goes, but for the end of the value or reply the line
 * has begun, which would otherwise run into the first sample; a reply not yet queued goes too. */
void envoi_vider(void);

/* Answers a reading request with this value, on the interface's scale. */
void envoi_reponse(uint8_t valeur);

/* Samples are waiting: their text joins the characters to send, as far as there is room, and the
 * line starts again if it was idle. */
void envoi_remplir(void);

#endif
