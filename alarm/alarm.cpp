#include "alarm/alarm.h"

template <typename T> void Alarm::set(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    emit changed();
}

void Alarm::setTime(const QTime &time)
{
    // A new time or days make a snoozed alarm for once the user's own armed alarm again.
    if (time != m_time)
        m_armedForSnooze = false;
    set(m_time, time);
}

void Alarm::setDays(days::Days days)
{
    days &= days::kEveryDay;
    if (days != m_days)
        m_armedForSnooze = false;
    set(m_days, days);
}

void Alarm::setReason(int reason)
{
    if (reason >= 0 && reason < kReasons)
        set(m_reason, reason);
}

void Alarm::setDescription(const QString &description)
{
    set(m_description, description);
}

void Alarm::setArmed(bool armed)
{
    m_armedForSnooze = false;
    set(m_armed, std::optional<bool>(armed));
}

void Alarm::setSound(const QString &path)
{
    set(m_sound, path);
}

void Alarm::setSnoozeMinutes(int minutes)
{
    if (minutes >= kMinSnoozeMinutes && minutes <= kMaxSnoozeMinutes)
        set(m_snoozeMinutes, minutes);
}

AlarmClock::Ring Alarm::check(const QDateTime &previous, const QDateTime &current)
{
    const AlarmClock::Ring ring = m_decision.check(previous, current, m_time, isArmed(), m_days);
    if (ring != AlarmClock::Ring::None && m_days == days::kOnce)
        setArmed(false);
    return ring;
}

QDateTime Alarm::nextRing(const QDateTime &now) const
{
    return m_decision.nextRing(now, m_time, isArmed(), m_days);
}

void Alarm::snooze(const QDateTime &now)
{
    // Armed again first, and checked so: a later check would take the arming for a fresh one,
    // which cancels a snooze.
    if (m_days == days::kOnce && !isArmed()) {
        setArmed(true);
        m_armedForSnooze = true;
        m_decision.check(now, now, m_time, true, m_days);
    }
    m_decision.snooze(now, qint64(m_snoozeMinutes) * 60 * 1000);
    emit changed();
}
