#pragma once

#include "alarm/days.h"

#include <QDateTime>
#include <QTime>

// Decides, tick by tick, whether the alarm rings. It is told the previous and
// the current local date-time, so it never reads the clock itself.
class AlarmClock
{
public:
    enum class Ring {
        None,
        // On time, or late by no more than kSilentAfterMs.
        WithSound,
        // So late that a sound would wake someone long after the alarm's time.
        Silent,
    };

    static constexpr qint64 kSilentAfterMs = 5 * 60 * 1000;

    // previous: the last tick's time, invalid at the first tick. alarm: the
    // alarm's time of day (whole seconds). armed: whether the alarm is on. days: the weekdays
    // it rings on; an alarm for once rings on any day, and its owner disarms it. skip: a day
    // whose ring is passed over as if it had rung.
    Ring check(const QDateTime &previous, const QDateTime &current, const QTime &alarm, bool armed,
               days::Days days = days::kEveryDay, const QDate &skip = {});
    // The moment of the latest ring a check found due, rung or skipped: a snooze's, or the
    // alarm's own time on its day.
    QDateTime lastDue() const { return m_lastDue; }

    // Takes the alarm as it was at an earlier run's last check, so that the next check, given
    // that moment as previous, finds the rings missed since.
    void resume(const QTime &alarm, bool armed);

    // Rings again intervalMs after now, by the same lateness rule; disarming
    // or a new alarm time cancels it.
    void snooze(const QDateTime &now, qint64 intervalMs);
    // When the pending snooze rings; invalid when none is pending.
    QDateTime snoozedUntil() const { return m_snoozedUntil; }

    // The first moment after now at which a check can ring: the pending snooze or the next time
    // the wall clock reads the alarm's time (in a daylight-saving gap, when it ends); invalid
    // while disarmed.
    QDateTime nextRing(const QDateTime &now, const QTime &alarm, bool armed,
                       days::Days days = days::kEveryDay, const QDate &skip = {}) const;
    // The same without a pending snooze: the next time the alarm's own schedule comes.
    QDateTime nextScheduled(const QDateTime &now, const QTime &alarm, bool armed,
                            days::Days days = days::kEveryDay, const QDate &skip = {}) const;

private:
    bool m_wasArmed = false;
    QTime m_alarm;
    QDateTime m_lastRing;
    QDateTime m_lastDue;
    QDateTime m_snoozedUntil;
};
