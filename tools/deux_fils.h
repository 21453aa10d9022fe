#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>

namespace optolink::essai {

// Runs travail(0) to travail(nb - 1) on two threads, each taking the next index when it is free.
// Each exchange runs its two stations on threads of their own, one at a time: two exchanges at
// once keep two cores busy.
inline void sur_deux_fils(std::size_t nb, const std::function<void(std::size_t)>& travail)
{
    std::atomic<std::size_t> suivant{0};
    const auto travailler = [&] {
        for (std::size_t i = suivant++; i < nb; i = suivant++)
            travail(i);
    };
    std::thread autre(travailler);
    travailler();
    autre.join();
}

} // namespace optolink::essai
