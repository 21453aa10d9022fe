#pragma once

#include "liaison/interface.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

struct avr_t;
struct avr_irq_t;
struct avr_uart_t;

namespace optolink::sim {

// An Arduino Mega 2560 running the board's firmware: the real ELF executed cycle by cycle by
// simavr on a simulated ATmega2560 at 16 MHz, at the end of its serial line to the computer. Each
// end of the line has its rate: the chip's is the one its firmware sets, the computer's is given.
// While they differ, a byte from the computer reaches the chip as a framing error, and one from the
// chip is lost: a fast byte is too short for a slow receiver to see it begin.
//
// Time is the chip's own, counted in cycles from its power-up: the chip runs only when it is
// advanced, in virtual time as fast as the computer goes, or in real time when the caller
// advances it to the clock. The bytes, the laser and the conversions are reported with the
// instants the chip saw them, each callback when the chip's time passes it.
class CarteSimulee {
public:
    static constexpr double frequence_hz = 16e6;
    // What the computer's UART takes for one character at the interface's rate: 10 bits at 9600 baud.
    static constexpr double duree_caractere_s = optolink::duree_caractere_s;

    // tension_a0_v gives the voltage on A0 at an instant of the chip's time (0 to 5 V). The chip has
    // started when the constructor returns: 100 µs after power-up, its port is set.
    CarteSimulee(const std::string& chemin_elf, std::function<double(double instant_s)> tension_a0_v);
    // The same with the board's loader (an Intel hex file) in the boot section, where a reset starts
    // as on a board straight from the shop: the firmware runs once the loader hands over.
    CarteSimulee(const std::string& chemin_elf, const std::string& chemin_chargeur_hex,
                 std::function<double(double instant_s)> tension_a0_v);
    CarteSimulee(const CarteSimulee&) = delete;
    CarteSimulee& operator=(const CarteSimulee&) = delete;

    double maintenant_s() const;
    std::uint64_t cycles() const;
    // Cycles the core ran instructions in, the others slept.
    std::uint64_t cycles_eveille() const { return cycles_eveille_; }
    // When the firmware got the chip from the loader; negative while the loader keeps it.
    double micrologiciel_lance_a_s() const { return lance_a_s_; }
    // Runs the chip until its time reaches instant_s (nothing when it already has).
    void avancer_jusqua(double instant_s);
    // Its reset line pulled low and let go, now: the chip starts again, in its loader if it has one.
    // The bytes on their way to it keep coming, the laser goes off with its pin left floating.
    void remettre_a_zero();

    // The computer writes now: each byte follows those still on the line and reaches the chip's
    // receiver when its last bit has arrived.
    void envoyer(std::string_view octets);
    // The computer's end of the line moves to that rate, from now on (9600 baud at first).
    void regler_vitesse_ordinateur(int bauds) { bauds_ordinateur_ = bauds; }
    int vitesse_ordinateur_bauds() const { return bauds_ordinateur_; }
    // The rate the firmware has set, to the nearest baud.
    int vitesse_puce_bauds() const;
    // When the bytes written so far will all have reached the chip.
    double envois_arrives_a_s() const { return libre_descendante_s_; }

    // Each byte the chip sends, when its last bit reaches the computer.
    void surOctet(std::function<void(double instant_s, char octet)> action) { octet_ = std::move(action); }
    // Each byte the moment the chip starts sending it, with the instant its last bit will reach the
    // computer: a caller that lets the chip run up to a character behind the clock still hands the
    // byte over at its own instant.
    void surDepart(std::function<void(double arrivee_s, char octet)> action) { depart_ = std::move(action); }
    // Each change of the laser pin.
    void surLaser(std::function<void(double instant_s, bool allume)> action) { laser_ = std::move(action); }
    // Each conversion of A0, at the instant the converter takes the voltage.
    void surConversion(std::function<void(double instant_s, double tension_v)> action) { conversion_ = std::move(action); }
    bool laser_allume() const { return laser_allume_; }

private:
    static void sur_octet_sortant(avr_irq_t* irq, std::uint32_t valeur, void* moi);
    static void sur_broche_laser(avr_irq_t* irq, std::uint32_t valeur, void* moi);
    static void sur_conversion(avr_irq_t* irq, std::uint32_t valeur, void* moi);
    static std::uint64_t echeance(avr_t* avr, std::uint64_t quand, void* moi);

    void charger_chargeur(const std::string& chemin_hex);
    double instant_s(std::uint64_t cycle) const { return static_cast<double>(cycle) / frequence_hz; }
    std::uint64_t cycle_de(double instant_s) const;
    std::uint64_t cycles_par_octet() const;
    bool meme_vitesse() const;
    void corriger_cadence_uart();
    void programmer(std::uint64_t cycle, std::function<void()> action);
    void armer();
    void livrer_entrants();

    struct Arret {
        void operator()(avr_t* avr) const;
    };

    std::function<double(double)> tension_a0_v_;
    std::unique_ptr<avr_t, Arret> avr_;
    avr_uart_t* uart_ = nullptr;
    avr_irq_t* entree_uart_ = nullptr;
    avr_irq_t* entree_a0_ = nullptr;
    std::function<void(double, char)> octet_;
    std::function<void(double, char)> depart_;
    std::function<void(double, bool)> laser_;
    std::function<void(double, double)> conversion_;
    bool laser_allume_ = false;
    std::uint32_t debut_chargeur_ = 0; // where the boot section starts; 0 without a loader
    double lance_a_s_ = 0;
    std::uint64_t cycles_eveille_ = 0;
    int bauds_ordinateur_ = vitesse_interface_bauds;
    double libre_descendante_s_ = 0;
    std::deque<std::pair<double, char>> entrants_; // on the line to the chip, with the instant each arrives
    std::uint64_t libre_montante_ = 0; // the chip's line to the computer is busy until this cycle
    std::multimap<std::uint64_t, std::function<void()>> evenements_; // same cycle: in order of programming
    std::uint64_t arme_ = 0; // the cycle the simulator will stop at for the first event (0: none)
    bool dans_echeance_ = false; // events run: the simulator's timer is re-armed by its return
};

} // namespace optolink::sim
