#include "liaison_qt/faible_latence.h"

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace optolink {

bool demander_faible_latence([[maybe_unused]] int descripteur)
{
#ifdef __linux__
    serial_struct reglages{};
    if (::ioctl(descripteur, TIOCGSERIAL, &reglages) != 0)
        return false;
    if (reglages.flags & ASYNC_LOW_LATENCY)
        return true;
    reglages.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(descripteur, TIOCSSERIAL, &reglages) == 0;
#else
    return false;
#endif
}

} // namespace optolink
