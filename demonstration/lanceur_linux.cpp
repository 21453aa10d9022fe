#include "demonstration/lanceur.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace optolink::demonstration {

// The window manager places every window on a Linux desktop; Wayland lets no program place another's.
bool fenetres_placables() { return false; }
void placer_fenetres(const std::array<qint64, 2>&) {}

// The child is sent SIGTERM when the launcher ends, even by SIGKILL. A launcher already gone when
// the child comes to this point has left it to init: it ends at once.
void lier_au_lanceur(QProcess& processus, bool)
{
    const pid_t lanceur = ::getpid();
    processus.setChildProcessModifier([lanceur] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != lanceur)
            ::_exit(1);
    });
}

} // namespace optolink::demonstration
