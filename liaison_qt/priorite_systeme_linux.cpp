#include "liaison_qt/priorite_systeme.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

namespace optolink {

namespace {
// On Linux, setpriority on a thread id sets that thread's nice value alone.
id_t fil() { return static_cast<id_t>(::gettid()); }
} // namespace

void PrioriteSysteme::elever()
{
    if (elevee_)
        return;
    elevee_ = true;
    sched_param parametres{};
    pthread_getschedparam(pthread_self(), &politique_, &parametres);
    priorite_ = parametres.sched_priority;
    errno = 0;
    gentillesse_ = ::getpriority(PRIO_PROCESS, fil());
    relachement_ns_ = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    sched_param temps_reel{};
    temps_reel.sched_priority = sched_get_priority_min(SCHED_FIFO);
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &temps_reel) != 0)
        ::setpriority(PRIO_PROCESS, fil(), -10);
}

void PrioriteSysteme::retablir()
{
    if (!elevee_)
        return;
    elevee_ = false;
    sched_param parametres{};
    parametres.sched_priority = priorite_;
    pthread_setschedparam(pthread_self(), politique_, &parametres);
    ::setpriority(PRIO_PROCESS, fil(), gentillesse_);
    if (relachement_ns_ > 0)
        ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(relachement_ns_), 0, 0, 0);
}

} // namespace optolink
