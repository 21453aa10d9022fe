#ifndef OPTOLINK_CARTE_BROCHES_H
#define OPTOLINK_CARTE_BROCHES_H

/* Where the parts are wired on the Arduino Mega 2560. */

#include <avr/io.h>

/* Digital pin 8 (PH5): the laser module's signal, the interface's SB0. Not pin 13: the board's
 * loader blinks that one while it waits after a reset, and the laser would blink with it. */
#define LASER_DDR DDRH
#define LASER_PORT PORTH
#define LASER_BIT PH5

/* Analog input A0 (ADC0): the middle of the photodiode and its 82 kOhm resistor, the interface's EA0. */
#define PHOTODIODE_CANAL 0

#endif
