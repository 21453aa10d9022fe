#include "acquisition.h"

#include "broches.h"
#include "echelle.h"
#include "envoi.h"
#include "memoire.h"
#include "programme.h"

#include <avr/interrupt.h>
#include <avr/io.h>

/* Not cleared at start: its content is never read before it is written. */
static uint8_t octets_[MEMOIRE_OCTETS + 1] __attribute__((section(".noinit")));
static memoire memoire_;

static programme programme_;     /* the last valid "WPE" */
static uint8_t programme_pret_;
static uint16_t restants_a_lancer_; /* conversions the timer has still to start */
static uint16_t restants_a_prendre_; /* samples of the recording under way not yet stored */
static uint16_t reponses_permises_; /* replies the ring still has room for while samples are taken */
static uint8_t conversion_echantillon_; /* the conversion under way belongs to the recording */
static uint8_t demande_ea0_;

/* The converter's clock is 16 MHz / 128 = 125 kHz: a conversion takes 13 of its cycles, 104 µs. */
void acquisition_initialiser(void)
{
    ADMUX = _BV(REFS0) | PHOTODIODE_CANAL; /* the 5 V supply as reference */
    ADCSRB = 0;
    DIDR0 = _BV(PHOTODIODE_CANAL);         /* no digital input buffer on the analog pin */
    ADCSRA = _BV(ADEN) | _BV(ADIE) | _BV(ADPS2) | _BV(ADPS1) | _BV(ADPS0);
    /* The first conversion after enabling takes 25 cycles: done now, answered by nobody. */
    ADCSRA |= _BV(ADSC);
    TIMSK1 = _BV(OCIE1A);
}

/* Starts a conversion; none while one runs: that one answers. The flag of a conversion just ended
 * is written back as 0, which leaves it set: written as 1, it would clear it and lose its interrupt. */
static inline __attribute__((always_inline)) void convertir(void)
{
    ADCSRA = (uint8_t)((ADCSRA & ~_BV(ADIF)) | _BV(ADSC));
}

void acquisition_demander_ea0(void)
{
    demande_ea0_ = 1;
    if (!restants_a_prendre_)
        convertir();
}

void acquisition_programmer(uint32_t nombre, uint32_t periode_us)
{
    programme p;
    if (!programme_preparer(nombre, periode_us, envoi_us_par_echantillon(), &p))
        return;
    programme_ = p;
    programme_pret_ = 1;
}

void acquisition_lancer(void)
{
    if (!programme_pret_)
        return;
    TCCR1B = 0;
    envoi_vider();
    demande_ea0_ = 0;
    memoire_vider(&memoire_, octets_, MEMOIRE_OCTETS, programme_.bits);
    reponses_permises_ = programme_.reponses;
    restants_a_prendre_ = programme_.nombre;
    restants_a_lancer_ = (uint16_t)(programme_.nombre - 1);
    /* Counting from the top, the timer wraps to 0 on its first step and reaches the compare value
     * a whole period after this sample; its prescaler starts afresh with it. */
    OCR1A = programme_.comparaison;
    TCNT1 = 0xFFFF;
    TIFR1 = _BV(OCF1A);
    GTCCR = _BV(PSRSYNC);
    if (restants_a_lancer_)
        TCCR1B = _BV(WGM12) | programme_.horloge;
    conversion_echantillon_ = 1;
    convertir();
}

int acquisition_reponse_permise(void)
{
    return !restants_a_prendre_ || reponses_permises_;
}

void acquisition_reponse_envoyee(void)
{
    if (restants_a_prendre_)
        --reponses_permises_;
}

int acquisition_echantillon_suivant(uint8_t* valeur)
{
    return memoire_lire(&memoire_, valeur);
}

/* A sampling instant: the conversion starts first, the rest can wait. */
ISR(TIMER1_COMPA_vect)
{
    convertir();
    conversion_echantillon_ = 1;
    if (--restants_a_lancer_ == 0)
        TCCR1B = 0;
}

ISR(ADC_vect)
{
    const uint8_t valeur = echelle_interface(ADC);
    if (conversion_echantillon_) {
        conversion_echantillon_ = 0;
        memoire_ecrire(&memoire_, valeur);
        --restants_a_prendre_;
        envoi_remplir();
    }
    if (demande_ea0_) {
        demande_ea0_ = 0;
        envoi_reponse(valeur);
    }
}
