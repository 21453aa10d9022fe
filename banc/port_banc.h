#pragma once

#include "sim/extremite.h"

#include <QString>

#include <memory>

namespace optolink::sim {

// One end of the bench (a simulated interface or board) served where the program's port rule finds
// port number n, for as long as this object lives, or until the interface vanishes by a fault: the
// port is then withdrawn as an unplugged device is.
// - Linux: a pseudo-terminal, published as the link <dossier>/COM<n>.
// - Windows: a named pipe of one instance (a COM port is never shared), published as the file
//   <dossier>/banc-COM<n> that holds its name.
// Each time the program opens the port, the end is told, as a real port raises its DTR line at the
// opening. The line's pacing is the simulated interface's: neither a pseudo-terminal nor a pipe has
// a baud rate.
class PortBanc {
public:
    PortBanc(Extremite& extremite, int numero, const QString& dossier);
    ~PortBanc();
    PortBanc(const PortBanc&) = delete;
    PortBanc& operator=(const PortBanc&) = delete;

    // Empty when the port is served; otherwise why not, in French.
    QString erreur() const { return erreur_; }
    int numero() const { return numero_; }
    // What the program looks for in the bench's folder.
    QString lien() const { return lien_; }
    // What the program opens: "/dev/pts/N", or the pipe's name.
    QString peripherique() const { return peripherique_; }

private:
    struct Systeme;
    // The bench's folder made, and no live port n there; false with erreur_ set otherwise.
    bool preparer_dossier(const QString& dossier);
    void retirer();

    Extremite& interface_;
    int numero_;
    QString lien_;
    QString peripherique_;
    QString erreur_;
    std::unique_ptr<Systeme> systeme_;
};

} // namespace optolink::sim
