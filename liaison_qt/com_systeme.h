#pragma once

// The serial port of this system: Qt's on Linux, the system's own on Windows, where Qt's serial
// port module is not available.
#ifdef _WIN32
#include "liaison_qt/com_win32.h"
namespace optolink {
using ComSysteme = ComWin32;
}
#else
#include "liaison_qt/com_qt.h"
namespace optolink {
using ComSysteme = ComQt;
}
#endif
