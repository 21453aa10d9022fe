#include "programme.h"

uint32_t echantillons_en_attente_max(uint32_t nombre, uint32_t periode_us, uint16_t us_par_echantillon)
{
    if (nombre == 0)
        return 0;
    /* Sent for sure before the last sample is taken; one more may be on its way out. */
    const uint32_t envoyes = periode_us >= us_par_echantillon ? nombre - 1 : (nombre - 1) * periode_us / us_par_echantillon;
    return nombre - envoyes + 1 + RETARD_AU_DEPART;
}

/* The timer's slowest clock that still counts the period in 16 bits, at the nearest step. */
static void regler_minuterie(uint32_t periode_us, programme* p)
{
    static const struct {
        uint8_t horloge;
        uint8_t decalage; /* the prescaler: 8, 64, 256, 1024 */
    } horloges[] = {{2, 3}, {3, 6}, {4, 8}, {5, 10}};
    const uint32_t cycles = periode_us * 16; /* 16 MHz */
    for (uint8_t i = 0; i < sizeof horloges / sizeof horloges[0]; ++i) {
        const uint8_t d = horloges[i].decalage;
        const uint32_t pas = (cycles + (1UL << (d - 1))) >> d;
        if (pas <= 65536UL) {
            p->horloge = horloges[i].horloge;
            p->comparaison = (uint16_t)(pas - 1);
            return;
        }
    }
}

/* The ring's capacity in samples at each resolution, MEMOIRE_OCTETS * 8 / bits. */
#define CAPACITE(bits) ((uint16_t)((uint32_t)MEMOIRE_OCTETS * 8 / (bits)))
static const uint16_t capacites[BITS_MAX + 1] = {0, CAPACITE(1), CAPACITE(2), CAPACITE(3), CAPACITE(4), CAPACITE(5), CAPACITE(6)};

int programme_preparer(uint32_t nombre, uint32_t periode_us, uint16_t us_par_echantillon, programme* p)
{
    if (nombre < 1 || nombre > NOMBRE_MAX || periode_us < PERIODE_MIN_US || periode_us > PERIODE_MAX_US)
        return 0;
    const uint32_t en_attente = echantillons_en_attente_max(nombre, periode_us, us_par_echantillon);
    for (uint8_t bits = BITS_MAX; bits >= 1; --bits) {
        const uint32_t capacite = capacites[bits];
        if (en_attente <= capacite) {
            const uint32_t reponses = capacite - en_attente;
            p->nombre = (uint16_t)nombre;
            p->bits = bits;
            p->reponses = (uint16_t)(reponses > 0xFFFF ? 0xFFFF : reponses);
            regler_minuterie(periode_us, p);
            return 1;
        }
    }
    return 0;
}
