#pragma once

namespace optolink {

// Asks the serial driver to hand over received bytes at once (what "setserial low_latency" asks).
// The common USB–serial adapters then bring their latency timer from 16 ms to 1 ms: the replies
// of the interface reach the program within a millisecond of their arrival. A driver that does not
// know the request (a pseudo-terminal, another system) is done without: false, nothing changed.
bool demander_faible_latence(int descripteur);

} // namespace optolink
