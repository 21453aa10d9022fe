#include "liaison_qt/priorite_systeme.h"

#include <windows.h>
#include <timeapi.h>

namespace optolink {

void PrioriteSysteme::elever()
{
    if (elevee_)
        return;
    elevee_ = true;
    resolution_fine_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    classe_ = GetPriorityClass(GetCurrentProcess());
    priorite_fil_ = GetThreadPriority(GetCurrentThread());
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
}

void PrioriteSysteme::retablir()
{
    if (!elevee_)
        return;
    elevee_ = false;
    SetThreadPriority(GetCurrentThread(), priorite_fil_);
    if (classe_ != 0)
        SetPriorityClass(GetCurrentProcess(), classe_);
    if (resolution_fine_)
        timeEndPeriod(1);
}

} // namespace optolink
