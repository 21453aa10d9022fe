#pragma once

#include <functional>
#include <memory>

namespace optolink::sim {

// A wake-up of the bench's event loop at an exact instant, finer than a Qt timer's millisecond and
// without spinning: a timerfd on Linux, a high-resolution waitable timer on Windows (a plain one,
// with the system timer at its finest resolution, where the system has no high-resolution one).
// Not available when the system refuses it: the caller then keeps its own timer.
class ReveilPrecis {
public:
    explicit ReveilPrecis(std::function<void()> action);
    ~ReveilPrecis();
    ReveilPrecis(const ReveilPrecis&) = delete;
    ReveilPrecis& operator=(const ReveilPrecis&) = delete;

    bool disponible() const { return systeme_ != nullptr; }
    // Runs the action once, dans_s seconds from now (at once when 0), in place of any wake-up armed before.
    void armer(double dans_s);

private:
    struct Systeme;
    std::unique_ptr<Systeme> systeme_;
};

} // namespace optolink::sim
