#pragma once

namespace optolink {

// The calling thread's treatment by the scheduler while a signal is timed. elever() asks, in
// turn, for the real-time class at its lowest priority (the thread then wakes as soon as its
// sleep ends, whatever else runs), and failing that for a higher share of the processor (nice
// -10); each needs a right the system may refuse (root, or limits granted to the account), and
// a refusal leaves things as they were. The timer slack is brought to its minimum either way.
// retablir() gives back what elever() found. Only Linux is concerned.
class PrioriteSysteme {
public:
    void elever();
    void retablir();

private:
    bool elevee_ = false;
    int politique_ = 0;
    int priorite_ = 0;
    int gentillesse_ = 0;
    long relachement_ns_ = 0;
};

} // namespace optolink
