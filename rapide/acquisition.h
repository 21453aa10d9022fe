#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "liaison/liaison.h"

namespace optolink {

// How a download ended.
enum class FinTelechargement {
    compte,  // nbmesuresmax samples stored
    silence, // the line fell quiet after the recording time
    limite,  // the longest time the line can need was reached
};

struct Telechargement {
    FinTelechargement fin;
    double duree_s; // from "WGOR"
};

// At 9600 baud a recording takes longer to cross the line than to be taken ("51," is three
// characters, 3.1 ms, for a sample every 0.5 to 1.3 ms), so the download goes on while the
// interface is still sending: it ends on the count, once the line has been quiet for this long
// after the recording time, or at the longest time the line can need for the whole recording.
constexpr double silence_fin_s = 1.0;

// The reply to the timer's last "WEA 0" leaves the interface some 10 ms after the request (later
// through a USB adapter): arriving during the download, it would join the first sample ("2\r2")
// and make it a value of three characters, skipped.
constexpr double attente_derniere_reponse_s = 0.05;

// With the timer stopped: waits, yielding, for the reply to the timer's last request, at most
// attente_derniere_reponse_s after that request, then reads and drops what the link holds.
void vider_avant_enregistrement(Liaison& liaison, const Plateforme& plateforme);

// Programs and starts a recording of nbmesuresmax samples at the period of modevitesse, and
// downloads it into tabmesures from index 0, one character per read, yielding after each one, its
// progress reported.
// A value of one or two characters is stored with its leading blank, others are skipped.
// Entries the download did not write are emptied, so that no sample of an earlier reception is
// decoded or saved as if it were this one's; what may still be on the line is drained so that
// no sample reaches the timer's readings. The input length is 1 during the download, 0 after.
Telechargement acquisition_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat,
                                  Evenements& evenements);

} // namespace optolink
