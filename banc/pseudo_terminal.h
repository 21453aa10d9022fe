#pragma once

#include <QString>

namespace optolink::sim {

// A pseudo-terminal in raw mode: the bench holds the master side, the program opens the slave
// side as its serial port. The bench keeps the slave open too, so that the master never sees a
// hang-up while the program closes and reopens its port.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ouvert() const { return maitre_ >= 0; }
    // Closes both sides, as an unplugged device: the program holding the slave side sees a hang-up.
    void fermer();
    QString erreur() const { return erreur_; }
    int maitre() const { return maitre_; }
    QString chemin_esclave() const { return chemin_; } // "/dev/pts/N"
    // The rate the program set on its side, as its serial port would run; 0 when unknown.
    int vitesse_bauds() const;

private:
    int maitre_ = -1;
    int esclave_ = -1;
    QString chemin_;
    QString erreur_;
};

} // namespace optolink::sim
