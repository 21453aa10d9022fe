#pragma once

#include <ctime>

namespace optolink::mesures {

// Processor time of the calling thread: the program's own work, not the bench's.
inline double temps_processeur_fil_s()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace optolink::mesures
