#pragma once

#include "liaison_qt/priorite_systeme.h"
#include "banc/banc_reel.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace optolink::mesures {

// The real-time bench on a thread of its own, as it runs in its own process (and at its priority):
// the program under measure keeps its thread, and the bench's work is not counted in it.
class BancEnFil {
public:
    BancEnFil(std::array<int, 2> numeros, const QString& dossier,
              const std::array<sim::BancReel::FabriqueCarte, 2>& cartes = {});
    ~BancEnFil();
    BancEnFil(const BancEnFil&) = delete;
    BancEnFil& operator=(const BancEnFil&) = delete;

    QString erreur() const { return erreur_; }
    // Runs the action on the bench's thread and waits for it.
    void dans_le_fil(const std::function<void(sim::BancReel&)>& action);

private:
    QThread fil_;
    QObject* contexte_;
    std::unique_ptr<sim::BancReel> banc_;
    PrioriteSysteme priorite_; // the bench's thread's
    QString erreur_;
};

} // namespace optolink::mesures
