#pragma once

#include "rapide/echantillons.h"
#include "poste/lecture.h"

#include <QIODevice>
#include <QString>

#include <span>

namespace optolink {

// What a fast Morse reception leaves on the window.
struct ReceptionMorse {
    QString codemorse;      // the dots, dashes and spaces found in the recording
    QString affichagemorse; // ".- (a) -... (b) "
    QString message;        // Texte2, abbreviation expanded
    QString texte1;         // Texte1 at the end: "code morse reçu : " + affichagemorse
};

// Finds the four light runs of the calibration letter c, sets the dot and dash widths and the
// detection level from them, then turns the rest of the stream into codemorse, shown in Texte1
// after every symbol. fichier selects the rules of a saved recording: runs start on samples at
// the level, every run sample counts in the extremes, a run fitting neither width stops.
// lecture, when given, receives what the scans saw (every decoder of this folder takes one).
QString decoder_impulsions(Echantillons& echantillons, int seuilbrut, bool fichier,
                           const Progression& progression = {}, Lecture* lecture = nullptr);

// The live receiver's form: tabmesures(1) to tabmesures(nbmesuresmax), first level in raw units.
QString decoder_impulsions(std::span<const Mesure> tabmesures, int nbmesuresmax, int seuilbrut,
                           const Progression& progression = {}, Lecture* lecture = nullptr);

// The whole decoding of a live reception (pulses, then traduire_codemorse): seuilbrut is
// Int(tensionseuil × 255 / 20); the first three characters of the message are compared with
// the abbreviations.
ReceptionMorse decoder_morse_rapide(std::span<const Mesure> tabmesures, int nbmesuresmax,
                                    int seuilbrut, const Progression& progression = {},
                                    Lecture* lecture = nullptr);

// The whole decoding of a saved *.rrr file, given by its data lines' values from index 0: the first
// level is the sample of index 1 plus 7; the whole message is compared with the abbreviations.
ReceptionMorse decode_fichiermorserap(std::span<const int> niveaux, const Progression& progression = {},
                                      Lecture* lecture = nullptr);
// The same, reading the file from its current position (the start).
ReceptionMorse decode_fichiermorserap(QIODevice& fichier, const Progression& progression = {},
                                      Lecture* lecture = nullptr);

} // namespace optolink
