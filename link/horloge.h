#pragma once

namespace optolink {

// Monotonic seconds, never the time of day: a wait spanning midnight keeps its length,
// and double precision keeps sub-millisecond resolution over days of running.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual double maintenant_s() = 0;
};

} // namespace optolink
