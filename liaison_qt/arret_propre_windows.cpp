#include "liaison_qt/arret_propre.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

#include <cstdlib>

namespace optolink {

namespace {
HANDLE fini = nullptr; // set once main has returned and the bench has withdrawn its ports

// Runs on a thread of the system's: the event loop is asked to end. For the console's closing and
// the session's end the process is ended as soon as this returns: it waits (a little) for the end.
BOOL WINAPI sur_evenement_console(DWORD evenement)
{
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (evenement == CTRL_CLOSE_EVENT || evenement == CTRL_LOGOFF_EVENT || evenement == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(fini, 3000);
    return TRUE;
}
} // namespace

void quitter_sur_signal()
{
    fini = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atexit([] { SetEvent(fini); });
    SetConsoleCtrlHandler(sur_evenement_console, TRUE);
}

} // namespace optolink
