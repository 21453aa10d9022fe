#ifndef OPTOLINK_CARTE_MEMOIRE_H
#define OPTOLINK_CARTE_MEMOIRE_H

/* The samples of a recording between their conversion and their way out on the line: a ring of
 * bits, each sample reduced to its `bits` high bits and given back at the middle of its step.
 *
 * Plain C without the chip's headers: the firmware and the computer's tests compile it alike. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    uint8_t* octets;       /* capacite * bits bits, and one byte more */
    uint8_t bits;          /* 1 to 6 */
    uint16_t capacite;     /* in samples */
    uint16_t nombre;       /* waiting */
    uint16_t ecriture;     /* where the next sample goes */
    uint16_t lecture;      /* where the oldest one waits */
} memoire;

/* Empties the ring and sets its resolution; octets holds taille + 1 bytes. */
void memoire_vider(memoire* m, uint8_t* octets, uint16_t taille, uint8_t bits);

/* A sample of 0 to 63 joins the ring; 0 when the ring is full (it is then lost). */
int memoire_ecrire(memoire* m, uint8_t valeur);

/* The oldest sample leaves the ring; 0 when none waits. */
int memoire_lire(memoire* m, uint8_t* valeur);

#ifdef __cplusplus
}
#endif

#endif
