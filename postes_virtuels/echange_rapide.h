#pragma once

#include "postes_virtuels/postes_simules.h"

#include <QString>

#include <functional>
#include <vector>

namespace optolink::essai {

// How the menus leave both stations: the emission speed (x 1, x 2 and x 3 also choose the
// sampling period; the other speeds keep the one of x 1) and the recording length.
struct ReglageRapide {
    const char* vitesse;
    double dureebit;
    Echantillonnage modevitesse;
    double periodemesure;
    std::int16_t nbmesuresmax;
};

// The eleven speeds with 6400 samples, and x 1, x 2 and x 3 with 12800.
std::vector<ReglageRapide> reglages_rapides();

// What an exchange leaves on both sides.
struct EchangeRapide {
    bool complet = false;
    Etat a, b;               // program-wide state of the sender and of the receiver
    FenetrePrincipale fa, fb; // their windows
    int enregistrements = 0; // recordings started by the receiver's interface
    QStringList sauvegardes; // captions of the save dialogs the receiver opened
};

// A types texte and sends it in the fast coding; B receives it. preparer runs before the exchange.
EchangeRapide echanger_rapide(const Codage& codage, const QString& texte, const ReglageRapide& r,
                              const std::function<void(DeuxPostes&)>& preparer = {},
                              const sim::ReglagesLumiere& lumiere = {});

// Recording time of the receiving interface.
inline double duree_enregistrement_s(const ReglageRapide& r) { return r.nbmesuresmax * r.periodemesure; }

// How much of the recording a message takes after the start mark, its gap and the calibration
// pattern: 1 for a message that just fits.
double part_morse(const QString& texte, const ReglageRapide& r);
double part_binaire(const QString& texte, const ReglageRapide& r);

} // namespace optolink::essai
