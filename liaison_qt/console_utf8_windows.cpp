#include "liaison_qt/console_utf8.h"

#include <windows.h>

namespace optolink {

// Windows' console otherwise reads the computer's old code page (850 or 1252).
void ecrire_la_console_en_utf8() { SetConsoleOutputCP(CP_UTF8); }

} // namespace optolink
