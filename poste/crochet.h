#pragma once

#include <cassert>
#include <functional>
#include <utility>

namespace optolink {

// A hook the model calls and one window provides while it lives: the main window shows and paints
// itself through it, the file dialogs open through it, the signal window hears of receptions.
// Branching it gives a Branchement that unhooks it when it goes, so a window that closes leaves no
// call into it behind; branching a hook already held is a mistake (the first window would silently
// stop being told), caught by an assertion.
template <class... Arguments>
class Crochet {
public:
    class [[nodiscard]] Branchement {
    public:
        Branchement() = default;
        Branchement(Branchement&& autre) noexcept : crochet_(std::exchange(autre.crochet_, nullptr)) {}
        Branchement& operator=(Branchement&& autre) noexcept
        {
            if (this != &autre) {
                debrancher();
                crochet_ = std::exchange(autre.crochet_, nullptr);
            }
            return *this;
        }
        ~Branchement() { debrancher(); }
        void debrancher()
        {
            if (crochet_)
                crochet_->action_ = nullptr;
            crochet_ = nullptr;
        }

    private:
        friend class Crochet;
        explicit Branchement(Crochet* crochet) : crochet_(crochet) {}
        Crochet* crochet_ = nullptr;
    };

    Crochet() = default;
    // A copy of the model it belongs to (a window model kept as it was) is no window's: its hook
    // is empty, and copying over a model keeps the window that holds its hook.
    Crochet(const Crochet&) {}
    Crochet& operator=(const Crochet&) { return *this; }
    ~Crochet() { assert(!action_ && "a window still holds this hook"); }

    Branchement brancher(std::function<void(Arguments...)> action)
    {
        assert(!action_ && "this hook is already held by another window");
        action_ = std::move(action);
        return Branchement(this);
    }
    explicit operator bool() const { return static_cast<bool>(action_); }
    void operator()(Arguments... arguments) const
    {
        if (action_)
            action_(arguments...);
    }

private:
    std::function<void(Arguments...)> action_;
};

} // namespace optolink
