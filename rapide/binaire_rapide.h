#pragma once

#include "poste/caractere_code.h"
#include "rapide/echantillons.h"
#include "poste/lecture.h"

#include <QIODevice>
#include <QString>

#include <span>
#include <vector>

namespace optolink {

// What a fast binary reception leaves on the window.
struct ReceptionBinaire {
    QString chainebits; // "1", "0" and one " " per space, as the sender built it
    QString textebits;  // the bits with " (c) " after each frame and " ( ) " for each space
    QString message;    // Texte2, abbreviation expanded
    QString texte1;     // Texte1 at the end: textebits
};

// Measures the three light pulses and the first gap of the preamble, sets the detection level
// and the bit widths, then slices the rest of the stream into bits and frames, showing textebits
// in Texte1 after every change. fichier selects the rules of a saved recording: preamble runs
// go on on samples at the level, the scans stop at the end of the file.
ReceptionBinaire decoder_trames(Echantillons& echantillons, int seuilmesure, bool fichier,
                                const Progression& progression = {}, Lecture* lecture = nullptr);

// The message rebuilt from the bits: a start bit and the 8 bits after it give one character
// (Windows-1252), a " " gives a space. The last character of chainebits is never looked at.
// caracteres, when given, receives each character with the positions of its bits.
QString reconstruire_message(const QString& chainebits, std::vector<CaractereCode>* caracteres = nullptr);

// The whole decoding of a live reception: seuilbrut is Int(tensionseuil × 255 / 20), to which
// the preamble scan adds 7; the first three characters are compared with the abbreviations.
ReceptionBinaire decoder_binaire_rapide(std::span<const Mesure> tabmesures, int nbmesuresmax,
                                        int seuilbrut, const Progression& progression = {},
                                        Lecture* lecture = nullptr);

// The whole decoding of a saved *.rrr file, given by its data lines' values from index 0: the first
// level is the sample of index 1 plus 7; the whole message is compared with the abbreviations.
ReceptionBinaire decode_fichierbinrap(std::span<const int> niveaux, const Progression& progression = {},
                                      Lecture* lecture = nullptr);
// The same, reading the file from its start.
ReceptionBinaire decode_fichierbinrap(QIODevice& fichier, const Progression& progression = {},
                                      Lecture* lecture = nullptr);

} // namespace optolink
