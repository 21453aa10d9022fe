#pragma once

#include "carte_simulee/carte_simulee.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The simulated board as a test drives it: the voltage on A0 chosen by the test, everything the
// chip sends and every change of its laser kept with its instant.
struct CarteEnTest {
    std::function<double(double instant_s)> tension_v = [](double) { return 0.16; };
    optolink::sim::CarteSimulee carte{OPTOLINK_CARTE_ELF, [this](double instant_s) { return tension_v(instant_s); }};
    std::string recu;
    std::string accueil; // what the chip said before the test began
    double dernier_octet_s = 0;
    std::vector<std::pair<double, bool>> laser;
    std::function<void()> a_chaque_tic; // what the computer writes at each of its timer's ticks

    CarteEnTest()
    {
        carte.surOctet([this](double instant_s, char octet) {
            recu += octet;
            dernier_octet_s = instant_s;
        });
        carte.surLaser([this](double instant_s, bool allume) { laser.emplace_back(instant_s, allume); });
        carte.avancer_jusqua(0.02); // the firmware has set its port up and greeted
        accueil = std::exchange(recu, {});
    }

    // Both ends of the line at the board's rate, as the program moves them after the greeting.
    void accelerer()
    {
        ecrire("WVITESSE 500000\r");
        carte.avancer_jusqua(carte.maintenant_s() + 0.001);
        carte.regler_vitesse_ordinateur(500000);
    }

    // Writes, then runs the chip until the last byte has reached it; returns that instant.
    double ecrire(std::string_view octets)
    {
        carte.envoyer(octets);
        const double arrivee_s = carte.envois_arrives_a_s();
        carte.avancer_jusqua(arrivee_s);
        return arrivee_s;
    }

    // Runs the chip, one tick of the program's fastest timer at a time, until `nombre` values ended
    // by "," have come, or the time limit; returns the values received (replies ended by a carriage
    // return left in `recu`).
    std::vector<int> telecharger(int nombre, double limite_s)
    {
        std::vector<int> valeurs;
        std::string valeur;
        std::string reste;
        std::size_t lu = 0;
        while (std::ssize(valeurs) < nombre && carte.maintenant_s() < limite_s) {
            if (a_chaque_tic)
                a_chaque_tic();
            carte.avancer_jusqua(carte.maintenant_s() + 0.03);
            for (; lu < recu.size(); ++lu) {
                const char c = recu[lu];
                if (c == ',') {
                    valeurs.push_back(std::stoi(valeur));
                    valeur.clear();
                } else if (c == '\r') {
                    reste += valeur + c;
                    valeur.clear();
                } else {
                    valeur += c;
                }
            }
        }
        recu = reste + valeur;
        return valeurs;
    }
};

// The voltage whose reading on the interface's scale is `valeur`, in the middle of its step.
inline double tension_de(int valeur) { return (valeur + 0.5) * 20.0 / 255.0; }
