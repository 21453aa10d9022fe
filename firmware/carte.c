/* An Arduino Mega 2560 as the data-acquisition interface of the light link: the program drives it
 * through the board's USB port as it drives the interface, laser on SB0 and photodiode on EA0.
 * Everything happens in interrupts, but for a change of the line's rate; in between, the chip
 * sleeps. */

#include "acquisition.h"
#include "broches.h"
#include "decoupeur.h"
#include "envoi.h"

#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/power.h>
#include <avr/sleep.h>
#include <avr/wdt.h>

static decoupeur decoupeur_;

static void executer(const action* a)
{
    switch (a->type) {
    case ACTION_LASER_ALLUME:
        LASER_PORT |= _BV(LASER_BIT);
        break;
    case ACTION_LASER_ETEINT:
        LASER_PORT &= (uint8_t)~_BV(LASER_BIT);
        break;
    case ACTION_DEMANDE_EA:
        /* Only EA0 is wired; the other inputs read nothing. */
        if (a->entree == 0)
            acquisition_demander_ea0();
        else
            envoi_reponse(0);
        break;
    case ACTION_PROGRAMME:
        acquisition_programmer(a->nombre, a->periode_us);
        break;
    case ACTION_LANCEMENT:
        acquisition_lancer();
        break;
    case ACTION_VITESSE:
        envoi_demander_vitesse(a->nombre);
        break;
    }
}

/* Each byte acts the moment it is received. A byte with a framing error (a glitch, a break on the
 * line, the end of a reset, a byte sent at 9600 baud to the faster rate) is no byte the program
 * wrote: a break would read as the laser's 0. */
ISR(USART0_RX_vect)
{
    const uint8_t erreur = UCSR0A & _BV(FE0);
    const uint8_t octet = UDR0;
    if (erreur) {
        envoi_erreur_de_trame();
        return;
    }
    const action a = decoupeur_octet(&decoupeur_, octet);
    executer(&a);
}

int main(void)
{
    LASER_PORT &= (uint8_t)~_BV(LASER_BIT);
    LASER_DDR |= _BV(LASER_BIT);
    MCUSR = 0;
    wdt_disable();
    /* Only the serial port, the 16-bit timer 1 and the converter are used. */
    power_all_disable();
    power_usart0_enable();
    power_timer1_enable();
    power_adc_enable();

    decoupeur_initialiser(&decoupeur_);
    envoi_initialiser();
    acquisition_initialiser();
    set_sleep_mode(SLEEP_MODE_IDLE);
    sei();
    envoi_accueil();
    /* A change of rate waits, out of interrupts, for the line to be idle. The chip goes to sleep
     * only when none is asked for: the instruction after sei runs before any interrupt, so one
     * asking for it in between wakes the chip at once. */
    for (;;) {
        cli();
        if (!envoi_vitesse_attendue()) {
            sleep_enable();
            sei();
            sleep_cpu();
            sleep_disable();
        }
        sei();
        envoi_vitesse_due();
    }
}
