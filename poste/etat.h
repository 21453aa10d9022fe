#pragma once

#include "poste/codes.h"
#include "liaison/interface.h"

#include <QString>

#include <array>
#include <cstdint>

namespace optolink {

// The program-wide state shared by every routine, under the names the routines use.
// One instance per station lives for the whole run; nothing is kept between runs.
struct Etat {
    static constexpr int taille_tabmesures = 12802; // indices 0 to 12801

    QString typecodage;          // "m", "b", "mr" or "br"
    std::int16_t numeroport = 0; // port number typed at start-up
    double tensionlue = 0;       // V, written only by the timer tick
    double tensionseuil = 0;     // V, light while tensionlue > tensionseuil
    double dureebit = 1;         // s, 1 / emission speed factor
    double periodemesure = modes_vitesse[0].periode_s; // s, sampling period of a fast recording
    std::int16_t modevitesse = 0;   // 0: 1300 µs, 1: 800 µs, 2: 500 µs
    std::int16_t nbmesuresmax = 6400;
    std::int16_t taillepolice = 16;
    QString enregistremorse = oui;
    QString enregistrebin = oui;
    double instantdepart = 0;    // clock value (s) at the start of the element being emitted
    QString message;
    int nbsilences = 0;
    QString chainebits;
    QString textebits;
    long nbpassages = 0;
    QString reponseorphy;
    std::array<QString, taille_tabmesures> tabmesures;
    std::int16_t nbmesures = 0;
    QString chainemesure;
    QString typedecodage;        // "mr" or "br"
    QString nomfichier;
    QString nomfichierlu;
    QString nomfichierenr;
};

} // namespace optolink
