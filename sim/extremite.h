#pragma once

#include "sim/adaptateur_usb.h"
#include "sim/interface_simulee.h"

#include <QByteArray>

#include <functional>

namespace optolink::sim {

// One end of the bench as its port and the facing photodiode see it: a simulated interface, or a
// board running its firmware, at the end of its line to the computer.
class Extremite {
public:
    virtual ~Extremite() = default;

    // What the computer writes.
    virtual void envoyer(const QByteArray& octets) = 0;
    // Receives each byte once it has crossed the line back to the computer.
    virtual void surReponse(std::function<void(char)> action) = 0;
    // Told when the end vanishes like an unplugged device; an end that cannot vanish never tells.
    virtual void surDisparition(std::function<void()>) {}
    // The computer opens the port: a board whose auto-reset is on starts again, in its loader.
    virtual void ouverture_du_port() {}
    // The computer's end of the line moves to that rate. A simulated interface keeps its 9600 baud
    // and pays no heed: the program changes the rate only for a board that has greeted it.
    virtual void regler_vitesse(int bauds) { static_cast<void>(bauds); }
    // From now on the computer reaches the end through a USB link.
    virtual void regler_usb(const ReglagesUsb& reglages) = 0;

    // The laser at an instant of the world's time no later than now: what the facing photodiode
    // received then. An end whose own time runs behind the world's catches up first.
    virtual bool laser_allume_a(double instant_s) = 0;
    // Every change of the laser's level.
    virtual void surChangementLaser(std::function<void(const ChangementLaser&)> action) = 0;
};

} // namespace optolink::sim
