#pragma once

#include <QString>

#include <functional>

namespace optolink::sim {

// The bench driven by the program that started it (the demonstration): one command a line on its
// standard input, each handed to action in the event loop; the end of the input (the launcher gone,
// however it went) ends the bench. A thread of its own reads, since no system lets the event loop
// watch a pipe on its standard input the same way.
void lire_commandes(std::function<void(const QString& ligne)> action);

} // namespace optolink::sim
