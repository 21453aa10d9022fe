#include "envoi.h"

#include "acquisition.h"
#include "programme.h"

#include <avr/interrupt.h>
#include <avr/io.h>

/* Characters ready to go. The converter's interrupt writes the samples' text here right after each
 * conversion, far from the next sampling instant; the transmit interrupt, which may fall on a
 * sampling instant, then only takes one character and delays it by a few cycles. */
enum { FILE_TAILLE = 32 }; /* a power of two: the positions wrap on their own; holds the greeting */
static char file_[FILE_TAILLE];
static uint8_t tete_;  /* next to send */
static uint8_t queue_; /* next free */
static char reponse_[3]; /* a reading asked for, waiting for room after the values already written */
static uint8_t longueur_reponse_;
static uint8_t entame_; /* the last character handed to the line does not end a value or a reply */

/* 9600 baud from 16 MHz: 16e6 / (16 × 104) = 9615 baud, 0.2 % fast, well within a UART's tolerance.
 * 500 000 baud: 16e6 / (16 × 2), exact, at 16 samples a bit as at 9600. */
static const struct {
    uint32_t bauds;
    uint16_t ubrr;
    uint16_t us_par_echantillon;
} vitesses_[] = {{9600, 103, US_PAR_ECHANTILLON_9600}, {500000, 1, US_PAR_ECHANTILLON_RAPIDE}};
enum { VITESSE_9600 = 0, AUCUNE_VITESSE = 0xFF };
static uint8_t vitesse_;                    /* the line's, in vitesses_ */
static volatile uint8_t vitesse_demandee_ = AUCUNE_VITESSE;

static void regler(uint8_t vitesse)
{
    vitesse_ = vitesse;
    UBRR0 = vitesses_[vitesse].ubrr;
}

void envoi_initialiser(void)
{
    regler(VITESSE_9600);
    UCSR0A = 0;
    UCSR0C = _BV(UCSZ01) | _BV(UCSZ00); /* 8 data bits, no parity, 1 stop bit */
    UCSR0B = _BV(RXEN0) | _BV(TXEN0) | _BV(RXCIE0);
}

uint16_t envoi_us_par_echantillon(void) { return vitesses_[vitesse_].us_par_echantillon; }

void envoi_demander_vitesse(uint32_t bauds)
{
    for (uint8_t i = 0; i < sizeof vitesses_ / sizeof vitesses_[0]; ++i)
        if (vitesses_[i].bauds == bauds)
            vitesse_demandee_ = i;
}

uint8_t envoi_vitesse_attendue(void) { return vitesse_demandee_ != AUCUNE_VITESSE; }

void envoi_erreur_de_trame(void)
{
    if (vitesse_ != VITESSE_9600)
        regler(VITESSE_9600);
    vitesse_demandee_ = AUCUNE_VITESSE;
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

static uint8_t place(void)
{
    return (uint8_t)(FILE_TAILLE - (uint8_t)(queue_ - tete_));
}

static void ajouter(const char* texte, uint8_t longueur)
{
    for (uint8_t i = 0; i < longueur; ++i)
        file_[queue_++ & (FILE_TAILLE - 1)] = texte[i];
}

static uint8_t est_fin(char c)
{
    return c == ',' || c == '\r';
}

void envoi_vider(void)
{
    /* Kept: up to the end of the value or reply the line has begun, its comma or carriage return. */
    uint8_t fin = tete_;
    while (entame_ && fin != queue_ && !est_fin(file_[fin++ & (FILE_TAILLE - 1)])) {
    }
    queue_ = fin;
    longueur_reponse_ = 0;
}

void envoi_accueil(void)
{
    static const char accueil[] = "OPTOLINK CARTE 1\r";
    ajouter(accueil, sizeof accueil - 1);
    UCSR0B |= _BV(UDRIE0);
}

/* The line is idle when nothing waits and the last character has left the shift register: TXC0,
 * cleared at each character handed over, set once it is out. The greeting always goes first. */
void envoi_vitesse_due(void)
{
    if (vitesse_demandee_ == AUCUNE_VITESSE)
        return;
    for (;;) {
        cli();
        if (queue_ == tete_ && (UCSR0A & _BV(TXC0)))
            break;
        sei();
    }
    if (vitesse_demandee_ != AUCUNE_VITESSE)
        regler(vitesse_demandee_);
    vitesse_demandee_ = AUCUNE_VITESSE;
    sei();
}

void envoi_reponse(uint8_t valeur)
{
    longueur_reponse_ = en_decimal(reponse_, valeur, '\r');
    envoi_remplir();
}

/* A reply the recording has room for goes before the samples still in the ring, as soon as it
 * fits; one it has no room for waits for the last sample, and the samples go on meanwhile. */
void envoi_remplir(void)
{
    uint8_t reponse_devant = longueur_reponse_ && acquisition_reponse_permise();
    if (reponse_devant && place() >= longueur_reponse_) {
        ajouter(reponse_, longueur_reponse_);
        longueur_reponse_ = 0;
        acquisition_reponse_envoyee();
        reponse_devant = 0;
    }
    char texte[3];
    uint8_t valeur;
    while (!reponse_devant && place() >= sizeof texte && acquisition_echantillon_suivant(&valeur))
        ajouter(texte, en_decimal(texte, valeur, ','));
    if (queue_ != tete_)
        UCSR0B |= _BV(UDRIE0);
}

/* The transmit buffer is free: the next character. Once a recording is over, nothing fills the
 * queue but this interrupt, which then writes the next value itself. */
ISR(USART0_UDRE_vect)
{
    if (queue_ == tete_) {
        envoi_remplir();
        if (queue_ == tete_) {
            UCSR0B &= (uint8_t)~_BV(UDRIE0);
            return;
        }
    }
    const char c = file_[tete_++ & (FILE_TAILLE - 1)];
    entame_ = !est_fin(c);
    UCSR0A = _BV(TXC0);
    UDR0 = (uint8_t)c;
}
