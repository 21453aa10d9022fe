#include "liaison_qt/horloge_qt.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace optolink;

namespace {

struct Traitement {
    int politique = 0;
    int priorite = 0;
    int gentillesse = 0;
    long relachement_ns = 0;
    bool operator==(const Traitement&) const = default;
};

Traitement traitement()
{
    Traitement t;
    sched_param p{};
    pthread_getschedparam(pthread_self(), &t.politique, &p);
    t.priorite = p.sched_priority;
    t.gentillesse = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    t.relachement_ns = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    return t;
}

} // namespace

// While a signal is timed the thread is woken on time: the real-time class or a lower nice value
// when the system grants them (root does), the shortest timer slack always; afterwards it is
// treated exactly as before, even when asked twice.
TEST(PrioriteSysteme, EleveePendantUnSignalRetablieApres)
{
    HorlogeQt horloge;
    const Traitement avant = traitement();
    horloge.chronometrer(true);
    horloge.chronometrer(true);
    const Traitement pendant = traitement();
    EXPECT_LE(pendant.relachement_ns, 1); // none at all for a real-time thread
    if (geteuid() == 0) {
        EXPECT_EQ(pendant.politique, SCHED_FIFO);
    }
    horloge.chronometrer(false);
    horloge.chronometrer(false);
    EXPECT_EQ(traitement(), avant);
}
