#pragma once

namespace optolink {

// What the system must be told, at start-up, of a program that times light with its own clock:
// - Windows greys a window whose thread has run no event for 5 s, titles it "(Ne répond pas)" and
//   offers to close the program at the next click; a fast send runs no event for up to 31 s, on
//   purpose (every element timed on the processor). The window is kept from being ghosted.
// - Windows 11 slows the timers of a program it judges in the background (a covered or minimised
//   window): its timer resolution request is ignored, its threads run slower. The slow codings
//   read EA0 every 30 ms with no margin. The program opts out of both, and holds the system timer
//   at 1 ms for as long as it runs: after start-up it is always receiving or sending.
// Linux does neither: nothing to ask.
// What was granted, read back from the system where it tells.
struct ProcessusFenetre {
    bool fantome_refuse = false;       // no ghost window
    bool bridage_refuse = false;       // no power throttling (speed and timer resolution)
    bool resolution_1ms = false;       // system timer at 1 ms
};
ProcessusFenetre preparer_processus_fenetre();

} // namespace optolink
