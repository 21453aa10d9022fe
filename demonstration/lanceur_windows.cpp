#include "demonstration/lanceur.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

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

namespace {
struct Recherche {
    DWORD pid;
    std::vector<HWND> fenetres;
};

BOOL CALLBACK noter_fenetre(HWND fenetre, LPARAM parametre)
{
    auto* r = reinterpret_cast<Recherche*>(parametre);
    DWORD pid = 0;
    GetWindowThreadProcessId(fenetre, &pid);
    if (pid == r->pid && IsWindowVisible(fenetre))
        r->fenetres.push_back(fenetre);
    return TRUE;
}
} // namespace

bool fenetres_placables() { return true; }

// Each window is placed once, when it first shows: the user may move it afterwards.
void placer_fenetres(const std::array<qint64, 2>& pids)
{
    static std::set<HWND> placees;
    RECT ecran{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &ecran, 0);
    const LONG moitie = (ecran.right - ecran.left) / 2;
    for (std::size_t rang = 0; rang < 2; ++rang) {
        if (pids[rang] == 0)
            continue;
        Recherche r{static_cast<DWORD>(pids[rang]), {}};
        EnumWindows(noter_fenetre, reinterpret_cast<LPARAM>(&r));
        for (HWND fenetre : r.fenetres) {
            RECT cadre{};
            if (placees.count(fenetre) || !GetWindowRect(fenetre, &cadre))
                continue;
            placees.insert(fenetre);
            const LONG largeur = cadre.right - cadre.left;
            const LONG gauche = ecran.left + static_cast<LONG>(rang) * moitie;
            const LONG x = std::max(gauche, gauche + (moitie - largeur) / 2);
            SetWindowPos(fenetre, nullptr, x, cadre.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void lier_au_lanceur(QProcess& processus, bool console)
{
    if (console)
        processus.setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments* arguments) { arguments->flags |= CREATE_NO_WINDOW; });
    QObject::connect(&processus, &QProcess::started, &processus, [&processus] {
        if (HANDLE h = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE,
                                   static_cast<DWORD>(processus.processId()))) {
            AssignProcessToJobObject(travail(), h);
            CloseHandle(h);
        }
    });
}

} // namespace optolink::demonstration
