#pragma once

#include "poste/caractere_code.h"

#include <QString>

#include <span>
#include <vector>

namespace optolink {

// A run of samples on one side of the level, as a decoding scan walked through it. Indices are
// those of tabmesures and of a file's data lines.
struct PalierLu {
    int debut = 0;     // index of its first sample
    int longueur = 0;  // samples
    bool lumiere = false;
    QString lu;        // the symbols it added to the code: ".", "-", " ", "111", "00"… or nothing
    qsizetype position = 0; // where lu starts in the code string
    bool arret = false;     // the run a file decoding stopped on
};

// A character of the message with the samples it came from (first and last, included).
struct CaractereLu {
    QString texte; // empty for a Morse group that matched no character
    int debut = 0;
    int fin = 0;
};

struct LargeurLue {
    QString nom;  // the decoder's own name: largeurpoint, dureehautmin, bit…
    double echantillons = 0;
};

// What a fast decoder saw while it read a recording, gathered by the scans that decode it.
struct Lecture {
    int seuil_initial = 0; // raw units, the level the calibration scan starts with
    int seuil = 0;         // raw units, the level learnt from the calibration pattern
    std::vector<PalierLu> calibration;
    std::vector<LargeurLue> largeurs;
    std::vector<PalierLu> paliers;
    std::vector<CaractereLu> caracteres;
};

// The decoders' side: a Lecture filled when there is one, nothing done otherwise.
class Releve {
public:
    explicit Releve(Lecture* lecture) : lecture_(lecture) {}
    void seuils(int initial, int calibre);
    void calibration(int debut, int longueur, bool lumiere);
    void largeur(const char* nom, double echantillons);
    // A run of the decoding scan; what it added is what code gained since position avant.
    void palier(int debut, int longueur, bool lumiere, const QString& code, qsizetype avant, bool arret = false);
    // The characters rebuilt from the code, placed on the runs that gave their symbols.
    void caracteres(std::span<const CaractereCode> caracteres);

private:
    Lecture* lecture_;
};

} // namespace optolink
