#pragma once

#include "poste/boites.h"
#include "liaison/boucle.h"
#include "liaison/com.h"
#include "liaison/horloge.h"
#include "liaison/minuterie.h"

namespace optolink {

// What a station runs on: Qt's clock, loop, timer, serial port and boxes in the program, virtual
// time, a simulated port and silent boxes in the tests. The routines reach the world through it
// alone, so that the same code runs in both.
struct Plateforme {
    Horloge& horloge;
    Boucle& boucle;
    Minuterie& minuterie;
    Com& com;
    Boites& boites;
};

} // namespace optolink
