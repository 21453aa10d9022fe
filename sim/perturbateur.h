#pragma once

#include "sim/ordonnanceur.h"
#include "sim/panne.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

namespace optolink::sim {

// The replies of an interface on their way to the computer, as the fault asked for leaves them.
// Without a fault they pass unchanged and at once. A fault strikes after the computer has
// received apres_octets bytes.
class Perturbateur {
public:
    Perturbateur(Ordonnanceur& temps, std::function<void(const QByteArray&)> emettre);

    // From now on, this fault instead of any before.
    void provoquer(const Panne& panne);
    // Runs once, when a vanishing fault strikes.
    void surDisparition(std::function<void()> action) { disparition_ = std::move(action); }
    bool disparue() const { return disparue_; }

    // A reply leaves for the line.
    void repondre(const QByteArray& texte);
    // A byte reaches the computer, garbled on the way or not: false when it is lost. An interface
    // that falls silent or vanishes sends nothing more, not even what it had queued.
    bool livrer(char& octet);

private:
    bool frappe() const;
    void disparaitre_si_frappe();
    bool tirage(double taux);
    // The bytes leave at instant_s, but never before those held back before them; returns when
    // they leave.
    double emettre_a(double instant_s, const QByteArray& octets);

    Ordonnanceur& temps_;
    std::function<void(const QByteArray&)> emettre_;
    std::function<void()> disparition_;
    std::optional<Panne> panne_;
    std::mt19937 hasard_;
    std::int64_t octets_livres_ = 0;
    double retenu_jusqua_s_ = 0;
    bool disparue_ = false;
};

} // namespace optolink::sim
