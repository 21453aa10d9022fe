#pragma once

#include <functional>

namespace optolink::sim {

// Time as the simulated world sees it: the line, the interfaces and the light run on it.
// Virtual time implements it for the tests, the bench program with real time.
class Ordonnanceur {
public:
    virtual ~Ordonnanceur() = default;
    virtual double maintenant_s() const = 0;
    // Runs the action once the time reaches instant_s (at once when it already has).
    virtual void programmer(double instant_s, std::function<void()> action) = 0;
};

} // namespace optolink::sim
