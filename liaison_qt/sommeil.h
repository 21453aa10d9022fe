#pragma once

namespace optolink {

// The thread's sleep before the end of a timed element, and how late the system may wake it: the
// rest of the wait is polled. Linux wakes a sleeper within a few tenths of a millisecond. Windows
// does so through a high-resolution waitable timer (Windows 10 version 1803 and later); without
// one, a sleep ends on the system timer's tick, a millisecond at best, and more is polled.
class Sommeil {
public:
    Sommeil();
    ~Sommeil();
    Sommeil(const Sommeil&) = delete;
    Sommeil& operator=(const Sommeil&) = delete;

    void dormir(double duree_s);
    double retard_possible_s() const { return retard_possible_s_; }

private:
    void* minuteur_ = nullptr; // Windows' high-resolution timer, when there is one
    double retard_possible_s_ = 0.0005;
};

} // namespace optolink
