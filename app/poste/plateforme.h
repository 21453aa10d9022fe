#pragma once

#include "app/poste/boites.h"
#include "link/boucle.h"
#include "link/com.h"
#include "link/horloge.h"
#include "link/minuterie.h"

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
