#pragma once

#include "banc/pseudo_terminal.h"
#include "sim/extremite.h"

#include <QSocketNotifier>
#include <QString>

#include <memory>

namespace optolink::sim {

// One end of the bench (a simulated interface or board) served on a pseudo-terminal and published as
// port number n: the link <dossier>/COM<n> points to the pseudo-terminal for as long as this object
// lives, or until the interface vanishes by a fault: the port is then withdrawn as an unplugged
// device is. Each time the program opens the port, the end is told, as a real port raises its DTR
// line at the opening.
class PortBanc {
public:
    PortBanc(Extremite& interface, int numero, const QString& dossier);
    ~PortBanc();
    PortBanc(const PortBanc&) = delete;
    PortBanc& operator=(const PortBanc&) = delete;

    // Empty when the port is served; otherwise why not, in French.
    QString erreur() const { return erreur_; }
    int numero() const { return numero_; }
    QString lien() const { return lien_; }
    QString chemin_pseudo_terminal() const { return pty_.chemin_esclave(); }

private:
    bool publier(const QString& dossier);
    void lire();
    // The end's line follows the rate the program set on its side of the pseudo-terminal.
    void suivre_vitesse();
    void ouvertures();
    void retirer();

    Extremite& interface_;
    int numero_;
    PseudoTerminal pty_;
    QString lien_;
    QString erreur_;
    std::unique_ptr<QSocketNotifier> lecture_;
    int surveillance_ = -1; // inotify, on the pseudo-terminal's slave side
    std::unique_ptr<QSocketNotifier> ouverture_;
};

} // namespace optolink::sim
