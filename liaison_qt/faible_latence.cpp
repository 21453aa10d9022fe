#include "liaison_qt/faible_latence.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace optolink {

bool demander_faible_latence(int descripteur)
{
    serial_struct reglages{};
    if (::ioctl(descripteur, TIOCGSERIAL, &reglages) != 0)
        return false;
    if (reglages.flags & ASYNC_LOW_LATENCY)
        return true;
    reglages.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(descripteur, TIOCSSERIAL, &reglages) == 0;
}

} // namespace optolink
