#ifndef OPTOLINK_CARTE_PROGRAMME_H
#define OPTOLINK_CARTE_PROGRAMME_H

/* A recording as the chip will make it: how many samples, how often, and how finely each is kept.
 *
 * The samples wait in MEMOIRE_OCTETS bytes until the line has carried them. The line takes at
 * most three characters of 10 bits per sample ("63,"), US_PAR_ECHANTILLON_9600 at 9600 baud, and
 * starts with the first one, so a recording longer than the line is fast holds fewer samples at its
 * end than it takes. Each sample keeps the finest resolution (6 bits, the whole 0 to 63 of the 0-5 V
 * input on the interface's scale, down to 1) at which that many fit: at 9600 baud, 6 bits for 6400
 * samples at any period and for 12800 at 800 µs or slower, 5 bits for 12800 at 500 µs. At the
 * board's 500 000 baud a sample takes US_PAR_ECHANTILLON_RAPIDE, less than the shortest period:
 * only the few samples on their way wait, at 6 bits, and nearly the whole ring is left for replies.
 *
 * A reading asked for during the recording ("63" and a carriage return, three characters) takes the
 * line from the samples for one sample's time: the ring has room for as many replies as it has
 * samples to spare; the others wait until the last sample is taken. No sample is ever lost, whatever
 * the computer asks and how often.
 *
 * Plain C without the chip's headers: the firmware and the computer's tests compile it alike. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    MEMOIRE_OCTETS = 7168, /* at most 8191: the ring counts its bits on 16 bits */
    NOMBRE_MAX = 65535,
    BITS_MAX = 6,
    US_PAR_ECHANTILLON_9600 = 3 * 1042,
    US_PAR_ECHANTILLON_RAPIDE = 3 * 20,
    /* What was going out when the recording started finishes first: at most the four characters of
     * a value under way and the one before it, less than two samples' time. */
    RETARD_AU_DEPART = 2,
};
/* The conversion and the interrupts of one sample take about 120 µs; the slowest clock of the
 * 16-bit timer counts 65536 steps of 64 µs. */
#define PERIODE_MIN_US 200UL
#define PERIODE_MAX_US 4000000UL

typedef struct {
    uint16_t nombre;
    uint8_t bits;          /* kept of each sample, 1 to BITS_MAX */
    uint8_t horloge;       /* the timer's clock select bits CS12:CS10 */
    uint16_t comparaison;  /* the timer's compare value: steps of the period less one */
    uint16_t reponses;     /* readings that can be answered while samples are still being taken */
} programme;

/* 0 when the chip cannot make that recording with the line taking us_par_echantillon per sample:
 * no sample, a period out of range, too many samples waiting even at 1 bit each. It runs when the
 * command's carriage return is received, before the next byte: no division but by a power of two,
 * or, at 9600 baud only, one, so that at 500 000 baud the "WGOR" right behind it finds the receiver
 * free. */
int programme_preparer(uint32_t nombre, uint32_t periode_us, uint16_t us_par_echantillon, programme* p);

/* How many samples can wait at most while the line carries the others, no reading answered. */
uint32_t echantillons_en_attente_max(uint32_t nombre, uint32_t periode_us, uint16_t us_par_echantillon);

#ifdef __cplusplus
}
#endif

#endif
