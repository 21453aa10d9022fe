#pragma once

#include <pthread.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace optolink::sim {

// The bench's journal on its standard output, written by a thread of its own, at the priority of
// the thread that builds it (build it before the bench raises its own). Writing to a pipe takes
// the pipe's lock, which the reading process may hold while it waits for a processor on a busy
// computer: the bench, however high its priority, waited with it, up to half a second measured
// under load. The bench's thread now only queues its lines, under a lock that lends its priority
// to the writing thread for the moment it holds it.
class JournalBanc {
public:
    JournalBanc();
    ~JournalBanc(); // writes what is left
    JournalBanc(const JournalBanc&) = delete;
    JournalBanc& operator=(const JournalBanc&) = delete;

    void ecrire(std::string texte);

private:
    void ecrire_en_attente();

    pthread_mutex_t verrou_;
    std::vector<std::string> en_attente_;
    std::atomic<bool> fin_{false};
    std::thread fil_;
};

} // namespace optolink::sim
