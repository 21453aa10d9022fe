#pragma once

#include "liaison/nombres.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <utility>
#include <vector>

// Recordings shaped like the light of the fast senders, as the receiving interface samples it:
// the tail of the start mark, the dark gap, the calibration pattern, the message, then darkness
// up to the end of the recording.
namespace synthese {

struct Niveaux {
    int sombre = 3;  // raw units
    int allume = 60;
    int bruit = 2;   // each sample moves at most this much around its level
};

// Runs of light and darkness, in samples.
class Signal {
public:
    Signal& allume(int nb);
    Signal& sombre(int nb);
    // nbmesuresmax + 1 samples (indices 0 to nbmesuresmax), darkness after the last run.
    std::vector<int> echantillons(int nbmesuresmax, const Niveaux& niveaux = {}) const;

private:
    std::vector<std::pair<bool, int>> runs_;
};

// Runs of light and darkness in seconds, as a sender lights its laser, sampled as the receiving
// interface records them: each edge late by a random 0 to gigue_s (a busy computer, a USB
// link), the recording starting at a random instant of the first sampling period.
class SignalTemps {
public:
    SignalTemps& allume(double duree_s);
    SignalTemps& sombre(double duree_s);
    std::vector<int> echantillons(double periode_s, int nbmesuresmax, double gigue_s, std::uint32_t graine,
                                  const Niveaux& niveaux = {}) const;

private:
    std::vector<std::pair<bool, double>> runs_;
};

// How the sender and the receiver were set.
struct Reglage {
    double periode_s = 0.0013; // receiver's sampling period
    double dureebit = 1;       // sender's time unit (1 / speed factor)
    int queue = 1;             // lit samples of the start mark at the head of the recording
    double trou_s = 0.25;      // the part of the 0.35 s dark gap left after the trigger
    int echantillons(double duree_s) const;
};

// Calibration letter c and a dash-long gap, then each symbol of codemorse followed by a dot gap.
Signal signal_morse(const QString& codemorse, int point, int trait, const Reglage& r = {});
// The fast Morse sender: dots a little shorter than 0.05 × dureebit s, dashes three dots.
Signal emission_morse(const QString& texte, const Reglage& r = {});

// The frames the binary senders build for a message: "1" and the 8-bit code per character,
// " " for a space.
QString trames(const QString& message);
// Preamble of three one-bit pulses and a two-bit pause, then every character of chainebits but
// the last, with a two-bit pause after each frame and two dark bits per space.
Signal signal_binaire(const QString& chainebits, int bit, const Reglage& r = {});
// The fast binary sender: bits a little shorter than 0.07 × dureebit s; the message is the
// text (or its abbreviation) with one space added.
Signal emission_binaire(const QString& texte, const Reglage& r = {});

// The light of the fast senders in seconds, from the gap after the start mark (trou_s of it left)
// to the end of the message: dots of 0.05 × dureebit s, bits of 0.07 × dureebit s.
SignalTemps emission_morse_temps(const QString& texte, double dureebit, double trou_s = 0.25);
SignalTemps emission_binaire_temps(const QString& texte, double dureebit, double trou_s = 0.25);

// The samples as the download stores them, in a table of 12802 entries.
std::vector<optolink::Mesure> tabmesures(const std::vector<int>& echantillons);

// A ".rrr" file of these samples in dossier; returns its path.
QString fichier_rrr(const QString& dossier, const QString& nom, const std::vector<int>& echantillons);

// The first raw level of the live receivers when the dark level is sombre: the threshold
// voltage is the dark voltage plus 0.5 V.
int seuil_de_niveau_sombre(int sombre);

// The samples in a temporary ".rrr" file, opened and handed to decodeur(QIODevice&).
template <typename Decodeur>
auto decoder_fichier(const std::vector<int>& echantillons, Decodeur decodeur)
{
    QTemporaryDir dossier;
    QFile fichier(fichier_rrr(dossier.path(), "signal.rrr", echantillons));
    fichier.open(QIODevice::ReadOnly);
    return decodeur(fichier);
}

// The samples downloaded into tabmesures, handed to decodeur(tabmesures, nbmesuresmax, seuilbrut).
template <typename Decodeur>
auto decoder_table(const std::vector<int>& echantillons, int sombre, Decodeur decodeur)
{
    const auto table = tabmesures(echantillons);
    return decodeur(table, static_cast<int>(echantillons.size()) - 1, seuil_de_niveau_sombre(sombre));
}

// The message without the blanks that the silence at the end of a recording adds.
QString sans_blancs_de_fin(QString message);

} // namespace synthese
