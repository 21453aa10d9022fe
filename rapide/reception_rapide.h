#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/plateforme.h"
#include "rapide/trace_reception.h"
#include "liaison/liaison.h"

#include <QString>

#include <functional>

namespace optolink {

// What the two fast receivers share.

// The receive-wait routine of a fast coding: a light of at least 0.45 s (the sender's 1 s start
// mark) starts recevoir when it falls; after each pass the input length is 0 and the timer runs.
// Returns when typecodage no longer holds code.
void attendre_reception_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                               Codage code, const std::function<void()>& recevoir);

// Timer stopped, nbmesures = 0, no symbols yet, what the link has buffered dropped once the
// timer's last request is answered, then the reception of the coding reported.
void preparer_reception_rapide(Liaison& liaison, const Plateforme& plateforme, Etat& etat, Evenements& evenements,
                               Codage code);

// The line a download came through: its rate, and the time from "WGOR" to the download's end.
struct LigneTelechargement {
    int bauds;
    double duree_s;
};

// How a fast reception ends, etat.message decoded: the recording with its reading for the signal
// window, the message, then the offer to save the recording when the coding's menu asks for it.
void finir_reception_rapide(const Etat& etat, Evenements& evenements, Codage code, LigneTelechargement ligne,
                            Lecture lecture, const QString& code_recu, const QString& texte1);

} // namespace optolink
