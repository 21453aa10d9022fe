#pragma once

namespace optolink {

// The calling thread's treatment by the scheduler while a signal is timed. elever() asks, in
// turn, for the real-time class at its lowest priority (the thread then wakes as soon as its
// sleep ends, whatever else runs), and failing that for a higher share of the processor (nice
// -10); each needs a right the system may refuse (root, or limits granted to the account), and
// a refusal leaves things as they were. The timer slack is brought to its minimum either way.
// retablir() gives back what elever() found.
// On Windows, elever() asks for the system timer's finest resolution (1 ms: sleeps and the event
// loop's timers otherwise end on the 15.6 ms tick), the high priority class for the process and
// the highest priority for the thread; retablir() gives them back.
class PrioriteSysteme {
public:
    void elever();
    void retablir();

private:
    bool elevee_ = false;
#ifdef _WIN32
    unsigned long classe_ = 0;
    int priorite_fil_ = 0;
    bool resolution_fine_ = false;
#else
    int politique_ = 0;
    int priorite_ = 0;
    int gentillesse_ = 0;
    long relachement_ns_ = 0;
#endif
};

} // namespace optolink
