#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Milliseconds from a monotonic source; only differences between readings matter.
using MonotonicClock = std::function<qint64()>;

// Milliseconds since the first call, from the system's monotonic clock.
qint64 monotonicMilliseconds();

// Measures running time as accumulated time plus the running segment, so a
// late or lost display tick never loses time.
class TimeKeeper
{
public:
    explicit TimeKeeper(MonotonicClock clock = monotonicMilliseconds);

    // Start while running changes nothing.
    void start();
    // Freezes the running segment into the accumulated time.
    void pause();
    // Clears the accumulated time and stops.
    void stop();

    bool isRunning() const { return m_running; }
    qint64 elapsedMilliseconds() const;

private:
    MonotonicClock m_clock;
    qint64 m_accumulated = 0;
    qint64 m_segmentStart = 0;
    bool m_running = false;
};

// The four clock label texts, as the display shows them and a round copies them.
struct ClockTexts
{
    QString hours;
    QString minutes;
    QString seconds;
    QString hundredths;
};

// The display's texts for an elapsed time: "01", "05", "59", "0" or "10" to "90".
ClockTexts clockTextsOf(qint64 milliseconds);
