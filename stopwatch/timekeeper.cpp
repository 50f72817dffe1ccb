#include "stopwatch/timekeeper.h"

#include <QElapsedTimer>

#include <algorithm>
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

namespace {

// "05" below ten, the decimal text otherwise (hours grow past two digits).
QString twoDigitText(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

ClockTexts clockTextsOf(qint64 milliseconds)
{
    // Floored to the tenth of a second, as the display shows it.
    const qint64 tenths = std::max<qint64>(0, milliseconds) / 100;
    return {twoDigitText(tenths / 36000), twoDigitText(tenths / 600 % 60),
            twoDigitText(tenths / 10 % 60), QString::number(tenths % 10 * 10)};
}
