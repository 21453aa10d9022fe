#pragma once

#include <array>
#include <cstdint>

namespace optolink {

// What the program relies on of the interface at the end of its serial line, in one place: the
// line, the scale of its analogue input, its recording speeds and how long a download may last.

// The line: 9600 baud, no parity, 8 data bits, 1 stop bit; a character occupies it for 10 bits.
inline constexpr int vitesse_interface_bauds = 9600;
inline constexpr const char* reglages_ligne = "9600,N,8,1";
inline constexpr double duree_caractere_a_s(int bauds) { return 10.0 / bauds; }
inline constexpr double duree_caractere_s = duree_caractere_a_s(vitesse_interface_bauds);

// An Arduino board in the interface's place says who it is when it starts, at 9600 baud, with this
// line ended by a carriage return; it then takes the command below, which moves its end of the
// line to the board's own rate. Both the board's USB chip (an ATmega16U2, clocked at 16 MHz like
// the board's) and the CH340 of its clones make 500 000 baud exactly; the board's own 16 MHz
// divides it exactly too.
inline constexpr const char* accueil_carte = "OPTOLINK CARTE 1";
inline constexpr int vitesse_carte_bauds = 500000;
inline constexpr const char* commande_vitesse = "WVITESSE";

// An Arduino board in the interface's place restarts when its port opens (its DTR line resets it)
// into its loader, which hands the chip to the firmware after 0.83 s without a byte on the line and
// waits afresh at each byte it receives: the line stays silent that long, with a margin, after the
// opening. An interface loses nothing by it.
inline constexpr double silence_ouverture_s = 1.5;

// EA0 answers in raw units from 0 to 255; 255 stands for 20 V.
inline constexpr double pleine_echelle_v = 20;
inline constexpr int pleine_echelle_brute = 255;
inline constexpr double volts(double niveau) { return niveau * pleine_echelle_v / pleine_echelle_brute; }
// The raw level of a voltage, Int(v × 255 / 20), held to the 16-bit range of a sample.
int seuil_brut(double tension_v);

// The three speeds of a fast recording, by modevitesse: the sampling period, the end of the
// recording command after its sample count ("WPE 1  6400 1300 1 0"), how the signal window names
// it, and the emission speed (dureebit) that goes with it.
struct ModeVitesse {
    double periode_s;
    const char* commande;
    const char* libelle;
    double dureebit;
};
inline constexpr std::array<ModeVitesse, 3> modes_vitesse{{
    {0.0013, " 1300 1 0", "1,3 ms (vitesse x 1)", 1},
    {0.0008, " 800 1 0", "0,8 ms (vitesse x 2)", 0.5},
    {0.0005, " 500 1 0", "0,5 ms (vitesse x 3)", 1.0 / 3},
}};
// modevitesse: which of the three a fast recording is taken at, by its sampling period.
enum class Echantillonnage : std::int16_t { us1300, us800, us500 };
// The mode of a sampling period; -1 for none of the three.
int mode_de_periode(double periode_s);

// A downloaded sample is at most four characters on the line ("255,").
inline constexpr int caracteres_par_echantillon_max = 4;
// The longest a download was announced to last: the recording time and 8 s, 6 s more for 12800
// samples.
double limite_annoncee_s(int nbmesuresmax, double periode_s);
// The longest a download can last: the recording, or nbmesuresmax samples of four characters on the
// line, whichever is longer, with a margin; never shorter than the announced limit.
// Past the interface's 9600 baud, the announced limit no longer holds: the recording, or its
// characters at the line's rate, with the margin.
double limite_telechargement_s(int nbmesuresmax, double periode_s, int bauds = vitesse_interface_bauds);

} // namespace optolink
