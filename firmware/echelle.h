#ifndef OPTOLINK_CARTE_ECHELLE_H
#define OPTOLINK_CARTE_ECHELLE_H

#include <stdint.h>

/* A 10-bit conversion of 0 to 5 V on the interface's scale, where 255 stands for 20 V: 0 to 63.
 * The voltage is taken at the middle of the conversion's step, (conversion + 0.5) × 5 / 1024, so
 * that Int(v × 255 / 20) comes out as the interface gives it (0.16 V in the dark reads 2, not 1)
 * unless v lies within half a step, 2.4 mV, of a change of value. */
static inline uint8_t echelle_interface(uint16_t conversion)
{
    return (uint8_t)(((uint32_t)(2 * conversion + 1) * 255) >> 13);
}

#endif
