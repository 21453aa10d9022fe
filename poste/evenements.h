#pragma once

#include "poste/trace.h"

#include <QString>

namespace optolink {

// What the transmitters, the receivers and the file decoders tell of their work. They say what
// happened, in their own terms; the window's model decides the captions, colours and texts that
// show it. A code is the coding's ("m", "b", "mr", "br"). Every call returns at once, without
// yielding: the routines keep the yields they time themselves by.
class Evenements {
public:
    virtual ~Evenements() = default;

    // A receive-wait routine starts waiting for a start marker.
    virtual void attente_commencee() = 0;
    // A light pulse classified by a slow receiver: ".", "-", a run of "1", "début", "fin" or "?".
    virtual void impulsion(double debut_s, double fin_s, const QString& sorte) = 0;
    // A start marker was seen: the message is being received.
    virtual void reception_commencee(Codage code) = 0;
    // What has been received so far, in the coding's symbols (dots and dashes, bits); empty when a
    // reception starts over.
    virtual void symboles_recus(const QString& symboles) = 0;
    // The recording a fast receiver has just decoded, with its reading.
    virtual void enregistrement_recu(Trace trace) = 0;
    // The message is in: as it reads, and the symbols it came as.
    virtual void message_recu(Codage code, const QString& message, const QString& symboles) = 0;
    // The recording just received may be saved: the user is asked where.
    virtual void enregistrement_a_proposer(Codage code) = 0;
    // The reception is over, its message shown.
    virtual void reception_terminee() = 0;

    // A saved recording starts being decoded.
    virtual void decodage_commence() = 0;
    // What has been reported must be seen now, though the routine does not yield.
    virtual void repeindre() = 0;
    // The saved recording of a fast coding is decoded: as after a live reception.
    virtual void fichier_decode(Codage code, const QString& message, const QString& symboles) = 0;

    // A send starts.
    virtual void envoi_commence(Codage code) = 0;
    // The signal about to be played, as the coding writes it.
    virtual void signal_prevu(const QString& signal) = 0;
    // The signal is played: only the trailing dark remains.
    virtual void signal_emis() = 0;
    // The send is over.
    virtual void envoi_fini(Codage code) = 0;

    // A fast sender waits while the receiving interface records: fait_s of total_s seconds gone,
    // reste_s to go.
    virtual void attente_du_recepteur(double fait_s, double total_s, double reste_s) = 0;
    // A download: recus samples of attendus, reste_s seconds to go at the line's rate.
    virtual void telechargement(int recus, int attendus, double reste_s) = 0;
    // The wait or the download is over.
    virtual void avancement_fini() = 0;
};

} // namespace optolink
