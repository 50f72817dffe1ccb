#include "alarm/alarm.h"

namespace {

// Ticks land this long after a wall-clock second boundary, safely past it.
constexpr int kAfterBoundaryMs = 1;

bool isReason(int reason)
{
    return reason >= 0 && reason < Alarm::kReasons;
}

} // namespace

Alarm::Alarm(const QString &path, Clock clock, QObject *parent)
    : QObject(parent), m_path(path), m_clock(std::move(clock))
{
    const alarmfile::Alarm kept = alarmfile::read(m_path);
    if (kept.time)
        m_time = *kept.time;
    if (kept.reason && isReason(*kept.reason))
        m_reason = *kept.reason;
    if (kept.description)
        m_description = *kept.description;
    m_armed = kept.armed;
    m_sound = kept.sound.value_or(QString());

    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &Alarm::tick);
    connect(&m_wakeUp, &WakeUp::woke, this, &Alarm::tick);
    m_save.setSingleShot(true);
    connect(&m_save, &QTimer::timeout, this, &Alarm::save);
}

Alarm::~Alarm()
{
    if (m_save.isActive())
        save();
}

QDateTime Alarm::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void Alarm::setTime(const QTime &time)
{
    if (time == m_time)
        return;
    m_time = time;
    edited();
}

void Alarm::setReason(int reason)
{
    if (reason == m_reason || !isReason(reason))
        return;
    m_reason = reason;
    edited();
}

void Alarm::setDescription(const QString &description)
{
    if (description == m_description)
        return;
    m_description = description;
    edited();
}

void Alarm::setArmed(bool armed)
{
    if (m_armed == armed)
        return;
    m_armed = armed;
    edited();
}

void Alarm::setSound(const QString &path)
{
    if (path == m_sound)
        return;
    m_sound = path;
    edited();
}

void Alarm::edited()
{
    if (!m_save.isActive())
        m_save.start(kSaveDelayMs);
    emit changed();
    // An alarm set to the second it is in rings at once, not at the next tick; asleep, it
    // wakes for its new time.
    if (m_started)
        tick();
}

void Alarm::start()
{
    m_started = true;
    tick();
}

void Alarm::setClockShown(bool shown)
{
    m_clockShown = shown;
    if (m_started)
        tick();
}

bool Alarm::everySecond() const
{
    return m_clockShown || !m_wakeUp.isAvailable();
}

void Alarm::sleep()
{
    const QDateTime next = m_decision.nextRing(now(), m_time, m_armed.value_or(false));
    m_wakeUp.at(next.isValid() ? next.addMSecs(kAfterBoundaryMs) : next);
}

void Alarm::tick()
{
    const QDateTime current = now();
    // Re-armed first, so the clock goes on while a ring's box is open.
    if (everySecond()) {
        m_wakeUp.at({});
        m_tick.start(1000 - current.time().msec() + kAfterBoundaryMs);
    } else {
        m_tick.stop();
    }
    const QDateTime snoozed = snoozedUntil();
    const AlarmClock::Ring ring =
        m_decision.check(m_lastTick, current, m_time, m_armed.value_or(false));
    m_lastTick = current;
    emit ticked(current);
    if (snoozedUntil() != snoozed)
        emit changed();
    if (ring != AlarmClock::Ring::None)
        emit rang(ring == AlarmClock::Ring::WithSound);
    if (!everySecond())
        sleep();
}

void Alarm::stop()
{
    emit ended();
}

void Alarm::snooze()
{
    m_decision.snooze(now(), m_snoozeMs);
    emit ended();
    emit changed();
    if (m_started && !everySecond())
        sleep();
}

bool Alarm::save()
{
    const bool failed =
        !alarmfile::write({m_time, m_reason, m_description, m_armed,
                           m_sound.isEmpty() ? std::nullopt : std::optional<QString>(m_sound)},
                          m_path);
    if (failed != m_saveFailed) {
        m_saveFailed = failed;
        emit changed();
    }
    return !failed;
}
