#include "demonstration/lanceur.h"

#include <windows.h>

namespace optolink::demonstration {

namespace {
// A job that ends its processes when its last handle closes: the launcher holds the only one, so
// the system closes it when the launcher ends, however it ends.
HANDLE travail()
{
    static const HANDLE job = [] {
        HANDLE j = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limites{};
        limites.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (j)
            SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limites, sizeof limites);
        return j;
    }();
    return job;
}
} // namespace

void lier_au_lanceur(QProcess& processus, bool console)
{
    if (console)
        processus.setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments* arguments) { arguments->flags |= CREATE_NO_WINDOW; });
    QObject::connect(&processus, &QProcess::started, &processus, [&processus] {
        if (HANDLE h = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(processus.processId()))) {
            AssignProcessToJobObject(travail(), h);
            CloseHandle(h);
        }
    });
}

} // namespace optolink::demonstration
