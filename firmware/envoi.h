#ifndef OPTOLINK_CARTE_ENVOI_H
#define OPTOLINK_CARTE_ENVOI_H

/* What the chip sends the computer, at 9600 baud, one character per interrupt: a reading asked
 * for ("37" and a carriage return) goes out before the next sample of a recording ("37,"). */

#include <stdint.h>

void envoi_initialiser(void);

/* Answers a reading request with this value, on the interface's scale. */
void envoi_reponse(uint8_t valeur);

/* A sample is waiting: the line starts again if it was idle. */
void envoi_reveiller(void);

#endif
