#include "kit/timerwakeup.h"

std::unique_ptr<WakeUp> WakeUp::make(const Clock &clock)
{
    return std::make_unique<TimerWakeUp>(clock);
}
