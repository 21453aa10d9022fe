#ifndef OPTOLINK_CARTE_DECOUPEUR_H
#define OPTOLINK_CARTE_DECOUPEUR_H

/* Splits the bytes the computer sends into laser signals and commands.
 *
 * Byte 0 lights the laser and byte 32 (the space) darkens it the moment it arrives, wherever it
 * comes: the senders time the light by the instant they write, and a command still open (a 'W'
 * whose carriage return never came) must not swallow them. Inside a command the space also
 * separates the words; byte 0 belongs to no command.
 *
 * A command runs from a 'W' to the next carriage return or the next 'W' ("WFORMAT 1WASCWBAUDS 0 \r"
 * holds three): its name is the capital letters after the 'W', its arguments the words after the
 * name, each a decimal number or invalid. Any other byte outside a command is ignored.
 *
 * Plain C without the chip's headers: the firmware and the computer's tests compile it alike. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum action_type {
    ACTION_AUCUNE,
    ACTION_LASER_ALLUME,
    ACTION_LASER_ETEINT,
    ACTION_DEMANDE_EA, /* "WEA n": the reading of input n is asked for */
    ACTION_PROGRAMME,  /* "WPE 1 <nombre> <periode_us> ...": a recording to prepare */
    ACTION_LANCEMENT,  /* "WGOR": the recording prepared is to start */
    ACTION_VITESSE     /* "WVITESSE <bauds>": the line is to move to that rate */
};

typedef struct {
    uint8_t type;      /* enum action_type */
    uint8_t entree;    /* ACTION_DEMANDE_EA */
    uint32_t nombre;   /* ACTION_PROGRAMME; the rate of ACTION_VITESSE */
    uint32_t periode_us;
} action;

enum { DECOUPEUR_NOM_MAX = 8, DECOUPEUR_MOTS_MAX = 3 };

typedef struct {
    uint8_t dans_commande;
    uint8_t longueur_nom;  /* DECOUPEUR_NOM_MAX + 1 once the name is too long: no known command */
    uint8_t nom_fini;
    char nom[DECOUPEUR_NOM_MAX];
    uint8_t nb_mots;       /* words begun, the one being read included */
    uint8_t dans_mot;
    uint8_t mot_invalide[DECOUPEUR_MOTS_MAX];
    uint32_t mots[DECOUPEUR_MOTS_MAX];
} decoupeur;

void decoupeur_initialiser(decoupeur* d);

/* What the byte does: at most one action per byte (a 'W' may end the command before it). */
action decoupeur_octet(decoupeur* d, uint8_t octet);

#ifdef __cplusplus
}
#endif

#endif
