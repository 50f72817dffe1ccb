#pragma once

#include <QtGlobal>

#include <optional>

// A ring's gentle rise: its sound starts silent and climbs to the set volume over the alarm's
// fade time, in equal steps of decibels from -40 dB to 0 dB, which the ear hears as an even
// rise.
namespace fade {

// Ten steps a second: finer than the ear follows, and no busier than that.
inline constexpr int kStepMs = 100;
inline constexpr double kFromDecibels = -40;

// The level elapsedMs into the ring, in decibels below the set volume: none (silence) at its
// start, then the step the rise has reached, 0 once it has risen. Without a fade time, 0 at once.
std::optional<double> decibels(qint64 elapsedMs, int fadeSeconds);

} // namespace fade
