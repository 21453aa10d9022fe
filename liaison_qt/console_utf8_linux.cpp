#include "liaison_qt/console_utf8.h"

namespace optolink {

// Linux consoles read UTF-8 already.
void ecrire_la_console_en_utf8() {}

} // namespace optolink
