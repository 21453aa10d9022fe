#include "liaison_qt/sommeil.h"

#include <chrono>
#include <thread>

namespace optolink {

Sommeil::Sommeil() = default;
Sommeil::~Sommeil() = default;

void Sommeil::dormir(double duree_s) { std::this_thread::sleep_for(std::chrono::duration<double>(duree_s)); }

} // namespace optolink
