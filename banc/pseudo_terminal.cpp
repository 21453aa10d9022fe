#include "banc/pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace optolink::sim {

PseudoTerminal::PseudoTerminal()
{
    const int maitre = posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre < 0 || grantpt(maitre) != 0 || unlockpt(maitre) != 0) {
        erreur_ = QStringLiteral("pseudo-terminal indisponible (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (maitre >= 0)
            ::close(maitre);
        return;
    }
    chemin_ = QString::fromLocal8Bit(ptsname(maitre));
    esclave_ = ::open(ptsname(maitre), O_RDWR | O_NOCTTY);
    termios t{};
    if (esclave_ < 0 || tcgetattr(esclave_, &t) != 0) {
        erreur_ = QStringLiteral("pseudo-terminal %1 inutilisable (%2)").arg(chemin_, QString::fromLocal8Bit(std::strerror(errno)));
        if (esclave_ >= 0)
            ::close(esclave_);
        ::close(maitre);
        esclave_ = -1;
        return;
    }
    // No echo, no line editing, no translation: the bytes go through as they are.
    cfmakeraw(&t);
    cfsetspeed(&t, B9600);
    tcsetattr(esclave_, TCSANOW, &t);
    fcntl(maitre, F_SETFL, fcntl(maitre, F_GETFL) | O_NONBLOCK);
    maitre_ = maitre;
}

PseudoTerminal::~PseudoTerminal() { fermer(); }

void PseudoTerminal::fermer()
{
    if (esclave_ >= 0)
        ::close(esclave_);
    if (maitre_ >= 0)
        ::close(maitre_);
    esclave_ = -1;
    maitre_ = -1;
}

} // namespace optolink::sim
