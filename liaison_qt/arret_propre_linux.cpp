#include "liaison_qt/arret_propre.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace optolink {

namespace {
int paire[2] = {-1, -1};

// Only async-signal-safe work here: one byte to wake the event loop.
void sur_signal(int)
{
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(paire[0], &c, 1);
}
} // namespace

void quitter_sur_signal()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, paire) != 0)
        return;
    auto* reveil = new QSocketNotifier(paire[1], QSocketNotifier::Read, qApp);
    QObject::connect(reveil, &QSocketNotifier::activated, qApp, [] {
        char c;
        [[maybe_unused]] const auto n = ::read(paire[1], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = sur_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace optolink
