#pragma once

namespace optolink {

// What a console program writes is UTF-8, on every system: its accents read the same in a console
// and in a file it is redirected to, and a journal read by another program parses alike.
void ecrire_la_console_en_utf8();

} // namespace optolink
