#include "alarm/fade.h"

std::optional<double> fade::decibels(qint64 elapsedMs, int fadeSeconds)
{
    const qint64 fadeMs = qint64(fadeSeconds) * 1000;
    if (elapsedMs >= fadeMs)
        return 0.0;
    const qint64 step = elapsedMs / kStepMs;
    if (step <= 0)
        return std::nullopt;
    return kFromDecibels * (1.0 - double(step * kStepMs) / double(fadeMs));
}
