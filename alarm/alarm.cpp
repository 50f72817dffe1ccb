#include "alarm/alarm.h"

template <typename T> void Alarm::set(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    emit changed();
}

AlarmSettings Alarm::kept() const
{
    AlarmSettings kept = m_settings;
    if (m_armedForSnooze)
        kept.armed = false;
    return kept;
}

void Alarm::setTime(const QTime &time)
{
    // A new time or days make a snoozed alarm for once the user's own armed alarm again, and
    // name another ring than the one skipped.
    if (time != m_settings.time) {
        m_armedForSnooze = false;
        m_settings.skip = QDate();
    }
    set(m_settings.time, time);
}

void Alarm::setDays(days::Days days)
{
    days &= days::kEveryDay;
    if (days != m_settings.days) {
        m_armedForSnooze = false;
        m_settings.skip = QDate();
    }
    set(m_settings.days, days);
}

void Alarm::setReason(int reason)
{
    if (reason >= 0 && reason < AlarmSettings::kReasons)
        set(m_settings.reason, reason);
}

void Alarm::setDescription(const QString &description)
{
    set(m_settings.description, description);
}

void Alarm::setArmed(bool armed)
{
    m_armedForSnooze = false;
    if (!armed)
        set(m_settings.skip, QDate());
    set(m_settings.armed, std::optional<bool>(armed));
}

void Alarm::setSound(const QString &path)
{
    set(m_settings.sound, path);
}

void Alarm::setSnoozeMinutes(int minutes)
{
    if (minutes >= AlarmSettings::kMinSnoozeMinutes && minutes <= AlarmSettings::kMaxSnoozeMinutes)
        set(m_settings.snoozeMinutes, minutes);
}

void Alarm::setFadeSeconds(int seconds)
{
    if (seconds >= 0 && seconds <= AlarmSettings::kMaxFadeSeconds)
        set(m_settings.fadeSeconds, seconds);
}

QDateTime Alarm::skippedRing() const
{
    return m_settings.skip.isValid() ? QDateTime(m_settings.skip, m_settings.time) : QDateTime();
}

void Alarm::setSkipNext(bool skip, const QDateTime &now)
{
    if (!skip || !canSkip()) {
        set(m_settings.skip, QDate());
        return;
    }
    // The schedule's next ring, not a snooze that comes before it.
    set(m_settings.skip,
        m_decision.nextScheduled(now, m_settings.time, true, m_settings.days).date());
}

AlarmClock::Ring Alarm::check(const QDateTime &previous, const QDateTime &current)
{
    const AlarmClock::Ring ring = m_decision.check(previous, current, m_settings.time, isArmed(),
                                                   m_settings.days, m_settings.skip);
    // Once its moment has passed, the skipped ring is behind it.
    const QDateTime skipped = skippedRing();
    if (skipped.isValid() && current >= skipped)
        set(m_settings.skip, QDate());
    if (ring != AlarmClock::Ring::None && m_settings.days == days::kOnce)
        setArmed(false);
    return ring;
}

QDateTime Alarm::nextScheduled(const QDateTime &now) const
{
    return m_decision.nextScheduled(now, m_settings.time, isArmed(), m_settings.days);
}

QDateTime Alarm::nextRing(const QDateTime &now) const
{
    return m_decision.nextRing(now, m_settings.time, isArmed(), m_settings.days, m_settings.skip);
}

void Alarm::snooze(const QDateTime &now)
{
    // Armed again first, and checked so: a later check would take the arming for a fresh one,
    // which cancels a snooze.
    if (m_settings.days == days::kOnce && !isArmed()) {
        setArmed(true);
        m_armedForSnooze = true;
        m_decision.check(now, now, m_settings.time, true, m_settings.days);
    }
    m_decision.snooze(now, qint64(m_settings.snoozeMinutes) * 60 * 1000);
    emit changed();
}
