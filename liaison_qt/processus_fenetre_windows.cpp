#include "liaison_qt/processus_fenetre.h"

#include <windows.h>
#include <timeapi.h>

namespace optolink {

ProcessusFenetre preparer_processus_fenetre()
{
    ProcessusFenetre accorde;
    DisableProcessWindowsGhosting();
    accorde.fantome_refuse = true; // the call says nothing back
    PROCESS_POWER_THROTTLING_STATE etat{};
    etat.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    etat.ControlMask = PROCESS_POWER_THROTTLING_EXECUTION_SPEED | PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    etat.StateMask = 0; // both controlled, both off: full speed, the timer resolution honoured
    if (SetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &etat, sizeof etat)) {
        PROCESS_POWER_THROTTLING_STATE lu{};
        lu.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
        accorde.bridage_refuse = GetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &lu, sizeof lu)
                                 && (lu.ControlMask & etat.ControlMask) == etat.ControlMask && (lu.StateMask & etat.ControlMask) == 0;
    }
    // Given back by the system when the process ends, however it ends.
    accorde.resolution_1ms = timeBeginPeriod(1) == TIMERR_NOERROR;
    return accorde;
}

} // namespace optolink
