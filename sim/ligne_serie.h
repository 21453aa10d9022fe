#pragma once

#include "liaison/interface.h"
#include "sim/ordonnanceur.h"

#include <QByteArray>

#include <functional>

namespace optolink::sim {

// One direction of the 9600-baud line: each character occupies it for 10 bits and waits behind
// those queued before it. A pseudo-terminal carries bytes at once; this puts the pace back.
class LigneSerie {
public:
    static constexpr double duree_caractere_s = optolink::duree_caractere_s;

    LigneSerie(Ordonnanceur& temps, std::function<void(char)> arrivee);
    LigneSerie(const LigneSerie&) = delete;
    LigneSerie& operator=(const LigneSerie&) = delete;

    // Queues the bytes; each one is handed to the far end when its last bit has arrived.
    void envoyer(const QByteArray& octets);
    // When the last queued character will have arrived (now, or earlier, when the line is idle).

private:
    Ordonnanceur& temps_;
    std::function<void(char)> arrivee_;
    double libre_a_s_ = 0;
};

} // namespace optolink::sim
