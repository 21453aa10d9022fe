// optolink-carte-mesures [chargeur.hex]: figures of the board's firmware on the simulated chip.
// How fast the simulation runs and what share of a core it takes when it keeps pace with the clock,
// how much the chip sleeps, how close the sampling instants are to the period asked for, how long a
// download takes against the time the line needs for its bytes, and when the firmware gets the chip
// from the board's loader after the reset that opening the port causes.

#include "carte_simulee/carte_simulee.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

using optolink::sim::CarteSimulee;

namespace {

double cpu_s()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The photodiode in the dark, then lit every other 50 ms: the samples take two and three characters.
double tension_v(double instant_s) { return std::fmod(instant_s, 0.1) < 0.05 ? 4.06 : 0.16; }

std::string programme(int nombre, int periode_us)
{
    return "WPE 1  " + std::to_string(nombre) + " " + std::to_string(periode_us) + " 1 0\r";
}

// The chip's greeting gone, both ends of the line at that rate, as the program sets them.
void regler(CarteSimulee& carte, int bauds)
{
    carte.avancer_jusqua(0.02);
    if (bauds == optolink::vitesse_interface_bauds)
        return;
    carte.envoyer("WVITESSE " + std::to_string(bauds) + "\r");
    carte.avancer_jusqua(carte.envois_arrives_a_s() + 0.001);
    carte.regler_vitesse_ordinateur(bauds);
}

// The program's timer tick: a request every 30 ms, from the chip's start.
void interroger(CarteSimulee& carte, double& prochaine_s)
{
    while (prochaine_s <= carte.maintenant_s()) {
        carte.envoyer("WEA 0\r");
        prochaine_s += 0.030;
    }
}

// The chip advanced to the clock every millisecond for duree_s: share of a core, latest wake-up.
void temps_reel(const char* titre, bool enregistrer, double duree_s, int bauds)
{
    CarteSimulee carte(OPTOLINK_CARTE_ELF, tension_v);
    regler(carte, bauds);
    double prochaine_s = 0;
    const auto depart = std::chrono::steady_clock::now();
    const double cpu_depart = cpu_s();
    const double origine_s = carte.maintenant_s();
    const std::uint64_t cycles_depart = carte.cycles(), eveille_depart = carte.cycles_eveille();
    double retard_max_s = 0;
    bool lance = false;
    for (int pas = 1; pas * 0.001 <= duree_s; ++pas) {
        const auto echeance = depart + std::chrono::microseconds(pas * 1000);
        while (std::chrono::steady_clock::now() < echeance)
            std::this_thread::sleep_until(echeance);
        const double maintenant_s = origine_s + std::chrono::duration<double>(std::chrono::steady_clock::now() - depart).count();
        retard_max_s = std::max(retard_max_s, maintenant_s - origine_s - pas * 0.001);
        if (enregistrer && !lance && maintenant_s > origine_s + 0.1) {
            carte.envoyer(programme(6400, 500) + "WGOR\r");
            lance = true;
        } else if (!enregistrer) {
            interroger(carte, prochaine_s);
        }
        carte.avancer_jusqua(maintenant_s);
    }
    const double mur_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - depart).count();
    std::printf("  %6d bauds, %-34s CPU %5.2f %% d'un cœur, réveil le plus tardif %6.3f ms, puce éveillée %5.2f %% du temps\n",
                bauds, titre, 100 * (cpu_s() - cpu_depart) / mur_s, retard_max_s * 1e3,
                100.0 * static_cast<double>(carte.cycles_eveille() - eveille_depart)
                    / static_cast<double>(carte.cycles() - cycles_depart));
}

// As fast as the computer goes: simulated seconds per second of processor.
void vitesse(const char* titre, bool enregistrer, int bauds)
{
    CarteSimulee carte(OPTOLINK_CARTE_ELF, tension_v);
    regler(carte, bauds);
    const double origine_s = carte.maintenant_s();
    double prochaine_s = origine_s;
    if (enregistrer)
        carte.envoyer(programme(12800, 500) + "WGOR\r");
    const double cpu_depart = cpu_s();
    while (carte.maintenant_s() < origine_s + 30) {
        if (!enregistrer)
            interroger(carte, prochaine_s);
        carte.avancer_jusqua(carte.maintenant_s() + 0.001);
    }
    const double cpu = cpu_s() - cpu_depart;
    std::printf("  %6d bauds, %-34s %6.0f fois le temps réel (30 s simulées en %.3f s de processeur)\n", bauds, titre,
                30 / cpu, cpu);
}

struct Ecarts {
    double min_us = 1e9, max_us = -1e9, somme_us = 0;
    int nombre = 0;
    void noter(double ecart_us)
    {
        min_us = std::min(min_us, ecart_us);
        max_us = std::max(max_us, ecart_us);
        somme_us += ecart_us;
        ++nombre;
    }
};

// One recording: the instants of its conversions against the period, its download against the line.
void enregistrement(int nombre, int periode_us, bool trafic, int bauds)
{
    CarteSimulee carte(OPTOLINK_CARTE_ELF, tension_v);
    regler(carte, bauds);
    std::vector<double> conversions;
    carte.surConversion([&](double instant_s, double) { conversions.push_back(instant_s); });
    std::size_t octets = 0;
    int valeurs = 0;
    double dernier_s = 0;
    carte.surOctet([&](double instant_s, char octet) {
        ++octets;
        valeurs += octet == ',';
        dernier_s = instant_s;
    });
    carte.envoyer(programme(nombre, periode_us));
    carte.avancer_jusqua(carte.envois_arrives_a_s());
    conversions.clear();
    carte.envoyer("WGOR\r");
    const double depart_s = carte.envois_arrives_a_s();
    const double periode_s = periode_us * 1e-6;
    while (valeurs < nombre && carte.maintenant_s() < depart_s + nombre * 0.0032 + 1) {
        // Laser bytes all along the recording: the instants must not move with them.
        if (trafic && carte.maintenant_s() < depart_s + nombre * periode_s)
            carte.envoyer(carte.envois_arrives_a_s() < carte.maintenant_s() + 0.002 ? " " : "");
        carte.avancer_jusqua(carte.maintenant_s() + 0.001);
    }
    Ecarts intervalles, instants;
    for (std::size_t k = 0; k < conversions.size(); ++k) {
        if (k > 0)
            intervalles.noter((conversions[k] - conversions[k - 1] - periode_s) * 1e6);
        instants.noter((conversions[k] - conversions[0] - static_cast<double>(k) * periode_s) * 1e6);
    }
    // The line's own time: its bytes at its rate, or the recording when that is longer.
    const double ligne_s = std::max(static_cast<double>(octets) * optolink::duree_caractere_a_s(bauds), nombre * periode_s);
    std::printf("  %6d bauds, %5d à %4d µs%s : %5zu conversions, 1re %5.1f µs après la fin de WGOR ; intervalle - "
                "période %+6.3f..%+6.3f µs ; dérive des instants %+6.3f..%+6.3f µs ; %6zu octets, téléchargement %6.2f s, "
                "temps propre de la ligne %6.2f s (%5.1f %%), dernier octet %6.3f ms après la dernière conversion\n",
                bauds, nombre, periode_us, trafic ? " + octets laser" : "               ", conversions.size(),
                (conversions.empty() ? 0 : conversions[0] - depart_s) * 1e6, intervalles.min_us, intervalles.max_us,
                instants.min_us, instants.max_us, octets, dernier_s - depart_s, ligne_s,
                100 * (dernier_s - depart_s) / ligne_s, (dernier_s - (conversions.empty() ? 0 : conversions.back())) * 1e3);
}

// The board's start with the loader of a board from the shop (stk500v2, from Debian's
// arduino-core-avr): alone, then with the program writing its set-up at once and asking for EA0
// every 30 ms for 10 s, as it does from the moment it opens the port.
void demarrage(const std::string& chargeur, bool requetes)
{
    CarteSimulee carte(OPTOLINK_CARTE_ELF, chargeur, tension_v);
    if (requetes)
        carte.envoyer("WFORMAT 1WASCWBAUDS 0 \r");
    double prochaine_s = 0.030;
    while (carte.maintenant_s() < 20 && carte.micrologiciel_lance_a_s() < 0) {
        if (requetes && carte.maintenant_s() < 10)
            interroger(carte, prochaine_s);
        carte.avancer_jusqua(carte.maintenant_s() + 0.001);
    }
    std::printf("  %-52s micrologiciel lancé %6.3f s après la remise à zéro\n",
                requetes ? "réglages puis une lecture EA0 / 30 ms pendant 10 s" : "sans rien recevoir",
                carte.micrologiciel_lance_a_s());
}

} // namespace

int main(int argc, char** argv)
{
    std::printf("Carte simulée (ATmega2560 à 16 MHz, micrologiciel %s)\n\n", OPTOLINK_CARTE_ELF);
    // The interface's line, then the board's own rate once it has greeted.
    constexpr int vitesses[] = {optolink::vitesse_interface_bauds, optolink::vitesse_carte_bauds};
    std::printf("Vitesse de la simulation, sans horloge :\n");
    for (const int bauds : vitesses) {
        vitesse("au repos, une lecture EA0 / 30 ms", false, bauds);
        vitesse("enregistrement 12800 à 500 µs", true, bauds);
    }
    std::printf("\nAu rythme de l'horloge (la puce avancée à l'heure chaque milliseconde) :\n");
    for (int essai = 0; essai < 3; ++essai)
        for (const int bauds : vitesses) {
            temps_reel("au repos, une lecture EA0 / 30 ms", false, 5, bauds);
            temps_reel("enregistrement 6400 à 500 µs", true, 5, bauds);
        }
    std::printf("\nEnregistrements (instants des conversions lus au compteur de cycles) :\n");
    for (const int bauds : vitesses) {
        for (const int nombre : {6400, 12800})
            for (const int periode_us : {1300, 800, 500})
                enregistrement(nombre, periode_us, false, bauds);
        enregistrement(6400, 500, true, bauds);
    }

    // The loader is read from the file given, or from Debian's arduino-core-avr where it is installed.
    const std::string chargeur = argc > 1 ? argv[1] : OPTOLINK_CHARGEUR_MEGA;
    std::printf("\nDémarrage après la remise à zéro de l'ouverture du port, chargeur %s :\n", chargeur.c_str());
    if (!std::ifstream(chargeur)) {
        std::printf("  (absent : paquet arduino-core-avr)\n");
        return 0;
    }
    demarrage(chargeur, false);
    demarrage(chargeur, true);
}
