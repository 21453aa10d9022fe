#pragma once

#include "sim/ordonnanceur.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <random>

namespace optolink::sim {

// What a USB link changes between a computer and its interface.
struct ReglagesUsb {
    // The computer's own delay before a write reaches the bus (scheduling, driver), drawn anew
    // for every write between these bounds.
    double delai_hote_min_s = 0;
    double delai_hote_max_s = 0;
    // The adapter's latency timer: what it has received from the interface goes to the computer
    // when the timer expires or when a packet is full, whichever comes first.
    double latence_s = 0.016;
    std::uint32_t graine = 1;

    static constexpr double trame_s = 0.001; // a full-speed bus carries data in 1 ms frames
    static constexpr int paquet = 62;        // data bytes of a packet (64 less two status bytes)
};

// A USB–serial adapter, or the interface's own USB port, between the computer and the 9600-baud
// line. Writes reach the line on a frame boundary after the host's delay, in the order they were
// made; the interface's bytes wait in the adapter for its latency timer or a full packet.
class AdaptateurUsb {
public:
    AdaptateurUsb(Ordonnanceur& temps, const ReglagesUsb& reglages,
                  std::function<void(const QByteArray&)> vers_ligne, std::function<void(char)> vers_ordinateur);
    AdaptateurUsb(const AdaptateurUsb&) = delete;
    AdaptateurUsb& operator=(const AdaptateurUsb&) = delete;

    // The computer writes.
    void descendre(const QByteArray& octets);
    // A byte of the interface has crossed the line into the adapter.
    void monter(char octet);

private:
    double trame_suivante(double instant_s) const;
    void programmer_paquet(double instant_s);
    void envoyer_paquet(std::uint64_t generation);

    Ordonnanceur& temps_;
    ReglagesUsb reglages_;
    std::function<void(const QByteArray&)> vers_ligne_;
    std::function<void(char)> vers_ordinateur_;
    std::mt19937 hasard_;
    double descente_s_ = 0;      // when the last write reached the line: a later one never overtakes it
    QByteArray tampon_;          // received from the interface, not yet sent to the computer
    double dernier_paquet_s_ = 0; // the latency timer restarts with every packet
    std::uint64_t generation_ = 0; // the packet programmed last; an earlier one has been sent since
    bool paquet_programme_ = false;
};

} // namespace optolink::sim
