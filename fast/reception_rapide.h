#pragma once

#include "poste/poste.h"
#include "rapide/trace_reception.h"

#include <QString>

#include <functional>

namespace optolink {

// What the two fast receivers share.

// The receive-wait routine of a fast coding: a light of at least 0.45 s (the sender's 1 s start
// mark) starts recevoir when it falls; after each pass the input length is 0 and the timer runs.
// Returns when typecodage no longer holds code.
void attendre_reception_rapide(Poste& poste, Codage code, const std::function<void()>& recevoir);

// Timer stopped, nbmesures = 0, Texte1 emptied, what the link has buffered dropped once the
// timer's last request is answered, then the receiving window: "RECEPTION DE MESSAGE EN COURS
// DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ 15 s SVP" in Etiquette2, "RECEPTION DE CODE
// <nom_codage> RAPIDE EN COURS     PATIENTEZ 15 s SVP" in Etiquette1 (30 s for 12800 samples),
// the send button and Btonefface disabled.
void preparer_reception_rapide(Poste& poste, Bouton FenetrePrincipale::*bouton, const QString& nom_codage);

// Keeps the recording just decoded, with its reading, for the signal window.
void noter_enregistrement(Poste& poste, CodageRapide codage, Lecture lecture, const QString& code,
                          const QString& texte1);

// The save dialog with this caption when the coding's save prompt is on.
void proposer_enregistrement(Poste& poste, bool enregistrer, const QString& caption);

} // namespace optolink
