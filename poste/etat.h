#pragma once

#include "liaison/interface.h"
#include "liaison/nombres.h"
#include "poste/codes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace optolink {

// The program-wide state shared by every routine, under the names the routines use.
// One instance per station lives for the whole run; nothing is kept between runs.
struct Etat {
    static constexpr int taille_tabmesures = 12802; // indices 0 to 12801
    using Table = std::array<Mesure, taille_tabmesures>;
    static constexpr Table table_vide()
    {
        Table table{};
        table.fill(sans_mesure);
        return table;
    }

    std::optional<Codage> typecodage;
    std::int16_t numeroport = 0; // port number typed at start-up
    double tensionlue = 0;       // V, written only by the timer tick
    double tensionseuil = 0;     // V, light while tensionlue > tensionseuil
    double dureebit = 1;         // s, 1 / emission speed factor
    double periodemesure = modes_vitesse[0].periode_s; // s, sampling period of a fast recording
    Echantillonnage modevitesse = Echantillonnage::us1300;
    std::int16_t nbmesuresmax = 6400;
    std::int16_t taillepolice = 16;
    bool enregistremorse = true; // the save dialog opens after a reception
    bool enregistrebin = true;
    bool laser_continu = false;  // the laser held on for the light measurements
    double instantdepart = 0;    // clock value (s) at the start of the element being emitted
    QString message;
    int nbsilences = 0;
    QString chainebits;
    QString textebits;
    long nbpassages = 0;
    QString reponseorphy;
    Table tabmesures = table_vide();
    std::int16_t nbmesures = 0;
    QString chainemesure;
    std::optional<Codage> typedecodage; // a fast one
    QString nomfichier;
    QString nomfichierlu;
    QString nomfichierenr;
};

} // namespace optolink
