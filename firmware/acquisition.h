#ifndef OPTOLINK_CARTE_ACQUISITION_H
#define OPTOLINK_CARTE_ACQUISITION_H

/* The readings of the photodiode: one on request, or a recording whose instants the 16-bit timer
 * keeps, whatever the line does. The timer's interrupt starts each conversion; the converter's
 * interrupt stores the sample and wakes the line. */

#include <stdint.h>

void acquisition_initialiser(void);

/* "WEA 0": the next conversion is answered, at once when no recording is under way. */
void acquisition_demander_ea0(void);

/* "WPE": kept for the next start, if the chip can make it; a recording under way goes on. */
void acquisition_programmer(uint32_t nombre, uint32_t periode_us);

/* "WGOR": the recording programmed starts now, with its first sample; one under way is dropped,
 * with what it still had to send and any reading asked for before. */
void acquisition_lancer(void);

/* A reading's reply may go now: the ring has room for the line's time it takes, or the recording
 * has taken its last sample. */
int acquisition_reponse_permise(void);

/* A reply has gone: one less the recording has room for. */
void acquisition_reponse_envoyee(void);

/* The oldest sample not yet sent, on the interface's scale; 0 when none waits. */
int acquisition_echantillon_suivant(uint8_t* valeur);

#endif
