#ifndef OPTOLINK_CARTE_ENVOI_H
#define OPTOLINK_CARTE_ENVOI_H

/* What the chip sends the computer, at 9600 baud, one character per interrupt: the samples of a
 * recording ("37,") and the readings asked for ("37" and a carriage return), each whole, in the
 * order they come. */

#include <stdint.h>

void envoi_initialiser(void);

/* A new recording starts: what is queued goes, but for the end of the value or reply the line
 * has begun, which would otherwise run into the first sample; a reply not yet queued goes too. */
void envoi_vider(void);

/* Answers a reading request with this value, on the interface's scale. */
void envoi_reponse(uint8_t valeur);

/* Samples are waiting: their text joins the characters to send, as far as there is room, and the
 * line starts again if it was idle. */
void envoi_remplir(void);

#endif
