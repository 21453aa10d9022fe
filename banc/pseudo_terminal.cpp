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

int PseudoTerminal::vitesse_bauds() const
{
    static const struct {
        speed_t code;
        int bauds;
    } vitesses[] = {{B1200, 1200},     {B2400, 2400},     {B4800, 4800},     {B9600, 9600},
                    {B19200, 19200},   {B38400, 38400},   {B57600, 57600},   {B115200, 115200},
                    {B230400, 230400}, {B460800, 460800}, {B500000, 500000}, {B921600, 921600},
                    {B1000000, 1000000}};
    termios t{};
    if (esclave_ < 0 || tcgetattr(esclave_, &t) != 0)
        return 0;
    const speed_t code = cfgetospeed(&t);
    for (const auto& v : vitesses)
        if (v.code == code)
            return v.bauds;
    return 0;
}

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
