#pragma once

#include <functional>
#include <utility>

namespace optolink {

// The periodic timer of the main window. Its ticks are delivered only while the running
// code yields.
class Minuterie {
public:
    virtual ~Minuterie() = default;
    virtual void setInterval(int interval_ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool actif) = 0;
    virtual bool enabled() const = 0;

    void surTic(std::function<void()> action) { tic_ = std::move(action); }

protected:
    void tic()
    {
        if (tic_)
            tic_();
    }

private:
    std::function<void()> tic_;
};

} // namespace optolink
