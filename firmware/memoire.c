#include "memoire.h"

#include "programme.h"

void memoire_vider(memoire* m, uint8_t* octets, uint16_t taille, uint8_t bits)
{
    m->octets = octets;
    m->bits = bits;
    m->capacite = (uint16_t)((uint32_t)taille * 8 / bits);
    m->nombre = 0;
    m->ecriture = 0;
    m->lecture = 0;
}

/* A sample's bits start anywhere in a byte and end, at most 13 bits further, in the next one.
 * The ring holds at most 65535 bits: its positions are counted on 16 bits, quick for the chip. */
static uint16_t fenetre(const memoire* m, uint16_t rang, uint16_t* octet, uint8_t* decalage)
{
    const uint16_t bit = (uint16_t)(rang * m->bits);
    *octet = (uint16_t)(bit >> 3);
    *decalage = (uint8_t)(bit & 7);
    return (uint16_t)(m->octets[*octet] | (uint16_t)m->octets[*octet + 1] << 8);
}

static uint16_t suivant(const memoire* m, uint16_t rang)
{
    return (uint16_t)(rang + 1 == m->capacite ? 0 : rang + 1);
}

int memoire_ecrire(memoire* m, uint8_t valeur)
{
    if (m->nombre == m->capacite)
        return 0;
    uint16_t octet;
    uint8_t decalage;
    uint16_t mot = fenetre(m, m->ecriture, &octet, &decalage);
    const uint16_t masque = (uint16_t)(((1u << m->bits) - 1) << decalage);
    const uint16_t pas = (uint16_t)(valeur >> (BITS_MAX - m->bits));
    mot = (uint16_t)((mot & ~masque) | (uint16_t)(pas << decalage));
    m->octets[octet] = (uint8_t)mot;
    m->octets[octet + 1] = (uint8_t)(mot >> 8);
    m->ecriture = suivant(m, m->ecriture);
    ++m->nombre;
    return 1;
}

int memoire_lire(memoire* m, uint8_t* valeur)
{
    if (m->nombre == 0)
        return 0;
    uint16_t octet;
    uint8_t decalage;
    const uint16_t mot = fenetre(m, m->lecture, &octet, &decalage);
    const uint8_t perdus = (uint8_t)(BITS_MAX - m->bits);
    const uint8_t pas = (uint8_t)((mot >> decalage) & ((1u << m->bits) - 1));
    *valeur = (uint8_t)(pas << perdus | (perdus ? 1u << (perdus - 1) : 0u));
    m->lecture = suivant(m, m->lecture);
    --m->nombre;
    return 1;
}
