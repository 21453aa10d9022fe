#pragma once

#include "liaison/liaison.h"

#include <QStringList>

namespace optolink {

// The lines that tell, in a box about a port, which numbers the ports present answer to, followed
// by a blank line; none when the port is not the system's (a simulated one).
QStringList lignes_ports_presents(const Liaison& liaison);

} // namespace optolink
