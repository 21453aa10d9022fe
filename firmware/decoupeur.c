#include "decoupeur.h"

#include <string.h>

/* Larger than any count or period the chip can take: a longer word is no number for it. */
#define MOT_MAX 99999999UL

static action aucune(void)
{
    action a = {ACTION_AUCUNE, 0, 0, 0};
    return a;
}

static action de_type(uint8_t type)
{
    action a = aucune();
    a.type = type;
    return a;
}

static int nom_est(const decoupeur* d, const char* nom)
{
    const size_t longueur = strlen(nom);
    return d->longueur_nom == longueur && memcmp(d->nom, nom, longueur) == 0;
}

static int mot_valide(const decoupeur* d, uint8_t rang)
{
    return d->nb_mots > rang && !d->mot_invalide[rang];
}

/* The command that has just ended, if the chip knows it. */
static action executer(const decoupeur* d)
{
    if (nom_est(d, "EA")) {
        action a = de_type(ACTION_DEMANDE_EA);
        /* No input named, or a word that is no number: input 0, as the interface reads "WEA". */
        if (mot_valide(d, 0))
            a.entree = d->mots[0] > 255 ? 255 : (uint8_t)d->mots[0];
        return a;
    }
    if (nom_est(d, "PE")) {
        /* "WPE 1 <count> <period> 1 0": only the count and the period matter here. */
        if (!mot_valide(d, 1) || !mot_valide(d, 2))
            return aucune();
        action a = de_type(ACTION_PROGRAMME);
        a.nombre = d->mots[1];
        a.periode_us = d->mots[2];
        return a;
    }
    if (nom_est(d, "GOR"))
        return de_type(ACTION_LANCEMENT);
    if (nom_est(d, "VITESSE") && mot_valide(d, 0)) {
        action a = de_type(ACTION_VITESSE);
        a.nombre = d->mots[0];
        return a;
    }
    /* FORMAT, ASC and BAUDS set up what this chip always does; anything else is ignored. */
    return aucune();
}

void decoupeur_initialiser(decoupeur* d)
{
    memset(d, 0, sizeof *d);
}

static void commencer(decoupeur* d)
{
    decoupeur_initialiser(d);
    d->dans_commande = 1;
}

static void finir_mot(decoupeur* d)
{
    d->nom_fini = 1;
    d->dans_mot = 0;
}

static void caractere_de_mot(decoupeur* d, uint8_t octet)
{
    d->nom_fini = 1;
    if (!d->dans_mot) {
        d->dans_mot = 1;
        if (d->nb_mots < 255)
            ++d->nb_mots;
    }
    const uint8_t rang = (uint8_t)(d->nb_mots - 1);
    if (rang >= DECOUPEUR_MOTS_MAX || d->mot_invalide[rang])
        return;
    if (octet < '0' || octet > '9' || d->mots[rang] > (MOT_MAX - 9) / 10) {
        d->mot_invalide[rang] = 1;
        return;
    }
    d->mots[rang] = d->mots[rang] * 10 + (uint32_t)(octet - '0');
}

static int blanc(uint8_t octet)
{
    return octet == '\t' || octet == '\n' || octet == '\v' || octet == '\f';
}

action decoupeur_octet(decoupeur* d, uint8_t octet)
{
    if (octet == 0)
        return de_type(ACTION_LASER_ALLUME);
    if (octet == ' ') {
        if (d->dans_commande)
            finir_mot(d);
        return de_type(ACTION_LASER_ETEINT);
    }
    if (octet == 'W' || octet == '\r') {
        const action a = d->dans_commande ? executer(d) : aucune();
        if (octet == 'W')
            commencer(d);
        else
            d->dans_commande = 0;
        return a;
    }
    if (!d->dans_commande)
        return aucune();
    if (blanc(octet)) {
        finir_mot(d);
    } else if (!d->nom_fini && octet >= 'A' && octet <= 'Z') {
        if (d->longueur_nom < DECOUPEUR_NOM_MAX)
            d->nom[d->longueur_nom++] = (char)octet;
        else
            d->longueur_nom = DECOUPEUR_NOM_MAX + 1;
    } else {
        caractere_de_mot(d, octet);
    }
    return aucune();
}
