#include "envoi.h"

#include "acquisition.h"

#include <avr/interrupt.h>
#include <avr/io.h>

static char texte_[3];       /* being sent: "63," or "63\r" at most */
static uint8_t longueur_;
static uint8_t position_;
static char reponse_[3];     /* a reading asked for, waiting for the end of the value under way */
static uint8_t longueur_reponse_;

/* 9600 baud from 16 MHz: 16e6 / (16 × 104) = 9615 baud, 0.2 % fast, well within a UART's tolerance. */
void envoi_initialiser(void)
{
    UBRR0 = 103;
    UCSR0A = 0;
    UCSR0C = _BV(UCSZ01) | _BV(UCSZ00); /* 8 data bits, no parity, 1 stop bit */
    UCSR0B = _BV(RXEN0) | _BV(TXEN0) | _BV(RXCIE0);
}

/* Values of 0 to 63: the tens by subtraction, cheaper than the chip's division in an interrupt. */
static uint8_t en_decimal(char* texte, uint8_t valeur, char fin)
{
    uint8_t n = 0;
    uint8_t dizaines = 0;
    while (valeur >= 10) {
        valeur = (uint8_t)(valeur - 10);
        ++dizaines;
    }
    if (dizaines)
        texte[n++] = (char)('0' + dizaines);
    texte[n++] = (char)('0' + valeur);
    texte[n++] = fin;
    return n;
}

void envoi_reponse(uint8_t valeur)
{
    longueur_reponse_ = en_decimal(reponse_, valeur, '\r');
    envoi_reveiller();
}

void envoi_reveiller(void)
{
    UCSR0B |= _BV(UDRIE0);
}

static int texte_suivant(void)
{
    if (longueur_reponse_) {
        for (uint8_t i = 0; i < longueur_reponse_; ++i)
            texte_[i] = reponse_[i];
        longueur_ = longueur_reponse_;
        longueur_reponse_ = 0;
    } else {
        uint8_t valeur;
        if (!acquisition_echantillon_suivant(&valeur))
            return 0;
        longueur_ = en_decimal(texte_, valeur, ',');
    }
    position_ = 0;
    return 1;
}

/* The transmit buffer is free: the next character, or silence until something waits. */
ISR(USART0_UDRE_vect)
{
    if (position_ == longueur_ && !texte_suivant()) {
        UCSR0B &= (uint8_t)~_BV(UDRIE0);
        return;
    }
    UDR0 = (uint8_t)texte_[position_++];
}
