#include "stopwatch/timekeeper.h"

#include <QElapsedTimer>

#include <algorithm>
#include <limits>
#include <utility>

qint64 monotonicMilliseconds()
{
    static const QElapsedTimer origin = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return origin.elapsed();
}

TimeKeeper::TimeKeeper(MonotonicClock clock) : m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = monotonicMilliseconds;
}

void TimeKeeper::setClock(MonotonicClock clock)
{
    // Re-anchor the running segment so the switch neither adds nor loses time.
    const qint64 elapsed = elapsedMilliseconds();
    m_clock = clock ? std::move(clock) : MonotonicClock(monotonicMilliseconds);
    if (m_running) {
        m_accumulated = elapsed;
        m_segmentStart = m_clock();
    }
}

void TimeKeeper::start()
{
    if (m_running)
        return;
    m_segmentStart = m_clock();
    m_running = true;
}

void TimeKeeper::pause()
{
    if (!m_running)
        return;
    m_accumulated = elapsedMilliseconds();
    m_running = false;
}

void TimeKeeper::stop()
{
    m_running = false;
    m_accumulated = 0;
}

qint64 TimeKeeper::elapsedMilliseconds() const
{
    if (!m_running)
        return m_accumulated;
    // A clock that steps backwards must not take measured time away.
    return m_accumulated + std::max<qint64>(0, m_clock() - m_segmentStart);
}

TimeFields timeFieldsOf(qint64 milliseconds)
{
    const qint64 tenths = std::max<qint64>(0, milliseconds) / 100;
    TimeFields fields;
    fields.hundredths = static_cast<int>(tenths % 10) * 10;
    fields.seconds = static_cast<int>(tenths / 10 % 60);
    fields.minutes = static_cast<int>(tenths / 600 % 60);
    fields.hours =
        static_cast<int>(std::min<qint64>(tenths / 36000, std::numeric_limits<int>::max()));
    return fields;
}

ClockTexts clockTextsOf(qint64 milliseconds)
{
    const TimeFields fields = timeFieldsOf(milliseconds);
    return {twoDigitText(fields.hours), twoDigitText(fields.minutes), twoDigitText(fields.seconds),
            hundredthsText(fields.hundredths)};
}

QString twoDigitText(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString hundredthsText(int hundredths)
{
    return QString::number(hundredths);
}
