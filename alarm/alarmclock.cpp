#include "alarm/alarmclock.h"

#include <algorithm>

namespace {

// Wall-clock reading without a time zone: a daylight-saving gap or repeat
// changes what the clock shows, which is what the alarm is set against.
QDateTime wall(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime wall(const QDateTime &local)
{
    return wall(local.date(), local.time());
}

QTime wholeSeconds(const QTime &time)
{
    return QTime(time.hour(), time.minute(), time.second());
}

} // namespace

AlarmClock::Ring AlarmClock::check(const QDateTime &previous, const QDateTime &current,
                                   const QTime &alarm, bool armed, days::Days days,
                                   const QDate &skip)
{
    const QTime alarmTime = wholeSeconds(alarm);
    const bool freshlySet = !m_wasArmed || alarmTime != m_alarm;
    m_wasArmed = armed;
    m_alarm = alarmTime;
    if (freshlySet || !armed)
        m_snoozedUntil = QDateTime();
    if (!armed || !current.isValid() || !alarmTime.isValid())
        return Ring::None;

    if (m_snoozedUntil.isValid() && current >= m_snoozedUntil) {
        const qint64 lateMs = m_snoozedUntil.msecsTo(current);
        m_lastDue = m_snoozedUntil;
        m_snoozedUntil = QDateTime();
        return lateMs > kSilentAfterMs ? Ring::Silent : Ring::WithSound;
    }

    const QDateTime now = wall(current);
    QDateTime due;
    qint64 lateMs = 0;
    if (freshlySet || !previous.isValid()) {
        // Only the second we are in counts: earlier moments came before the
        // alarm was armed or set, or before the program started.
        if (wholeSeconds(current.time()) != alarmTime ||
            !days::ringsOn(days, current.date().dayOfWeek()))
            return Ring::None;
        due = wall(current.date(), alarmTime);
    } else {
        // Its latest time on one of its days, which lies within a week.
        QDate date = current.date();
        if (wall(date, alarmTime) > now)
            date = date.addDays(-1);
        while (!days::ringsOn(days, date.dayOfWeek()))
            date = date.addDays(-1);
        due = wall(date, alarmTime);
        // A clock set back gives previous > now, so nothing lies in between.
        if (due <= wall(previous))
            return Ring::None;
        // Across a daylight-saving gap the wall clock runs ahead of real time.
        lateMs = std::min(due.msecsTo(now), previous.msecsTo(current));
    }

    if (due == m_lastRing)
        return Ring::None;
    m_lastRing = due;
    m_lastDue = QDateTime(due.date(), due.time());
    if (due.date() == skip)
        return Ring::None;
    return lateMs > kSilentAfterMs ? Ring::Silent : Ring::WithSound;
}

void AlarmClock::resume(const QTime &alarm, bool armed)
{
    m_wasArmed = armed;
    m_alarm = wholeSeconds(alarm);
}

void AlarmClock::snooze(const QDateTime &now, qint64 intervalMs)
{
    m_snoozedUntil = now.addMSecs(intervalMs);
}

QDateTime AlarmClock::nextScheduled(const QDateTime &now, const QTime &alarm, bool armed,
                                    days::Days days, const QDate &skip) const
{
    if (!armed || !now.isValid() || !alarm.isValid())
        return {};
    const QTime alarmTime = wholeSeconds(alarm);
    const auto on = [&alarmTime](const QDate &date) {
        // In a daylight-saving gap the time does not exist; the clock passes it when the gap ends.
        QDateTime moment(date, alarmTime);
        for (int minutes = 1; !moment.isValid() && minutes < 24 * 60; ++minutes)
            moment = QDateTime(date, alarmTime.addSecs(minutes * 60));
        return moment;
    };
    QDate date = now.date();
    if (on(date) <= now)
        date = date.addDays(1);
    while (!days::ringsOn(days, date.dayOfWeek()) || date == skip)
        date = date.addDays(1);
    return on(date);
}

QDateTime AlarmClock::nextRing(const QDateTime &now, const QTime &alarm, bool armed,
                               days::Days days, const QDate &skip) const
{
    const QDateTime next = nextScheduled(now, alarm, armed, days, skip);
    if (!next.isValid())
        return next;
    return m_snoozedUntil.isValid() && m_snoozedUntil < next ? m_snoozedUntil : next;
}
