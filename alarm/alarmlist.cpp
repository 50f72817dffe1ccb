#include "alarm/alarmlist.h"

#include "kit/owned.h"

#include <algorithm>
#include <utility>

namespace {

// Ticks land this long after a wall-clock second boundary, safely past it.
constexpr int kAfterBoundaryMs = 1;

} // namespace

AlarmList::AlarmList(const QString &path, Clock clock, std::unique_ptr<WakeUp> wakeUp)
    : m_path(path), m_clock(std::move(clock)),
      m_wakeUp(wakeUp ? std::move(wakeUp) : WakeUp::make(m_clock))
{
    const alarmfile::Contents kept = alarmfile::read(m_path);
    for (const AlarmSettings &settings : kept.alarms)
        adopt(std::make_unique<Alarm>(settings));
    m_notes = kept.notes;
    if (kept.damaged || !kept.unreadable.isEmpty()) {
        // Moved aside before anything is written, and what could be read is written at once, so
        // the next start finds a whole file.
        m_unread = Unread{alarmfile::setAside(m_path, now().date()), kept.unreadable};
        if (!m_unread->keptAs.isEmpty() && !m_alarms.empty())
            save();
    }
    if (m_alarms.empty())
        adopt(std::make_unique<Alarm>());

    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &AlarmList::tick);
    connect(m_wakeUp.get(), &WakeUp::woke, this, &AlarmList::tick);
    m_save.setSingleShot(true);
    connect(&m_save, &QTimer::timeout, this, &AlarmList::save);
}

AlarmList::~AlarmList()
{
    // Also when nothing changed: the last check tells the next start what it missed.
    if (m_save.isActive() || m_started)
        save();
}

Alarm &AlarmList::adopt(std::unique_ptr<Alarm> alarm)
{
    connect(alarm.get(), &Alarm::changed, this, &AlarmList::edited);
    m_alarms.push_back(std::move(alarm));
    return *m_alarms.back();
}

int AlarmList::indexOf(const Alarm *alarm) const
{
    return indexOfOwned(m_alarms, alarm);
}

Alarm *AlarmList::add()
{
    if (isFull())
        return nullptr;
    Alarm &alarm = adopt(std::make_unique<Alarm>());
    edited();
    return &alarm;
}

void AlarmList::remove(Alarm &alarm)
{
    const int index = indexOf(&alarm);
    if (index < 0 || count() == 1)
        return;
    stop(&alarm);
    // Taken out first, so the list is whole again when it goes.
    std::unique_ptr<Alarm> gone = std::move(m_alarms[size_t(index)]);
    m_alarms.erase(m_alarms.begin() + index);
    edited();
}

AlarmList::Next AlarmList::next() const
{
    Next next;
    const QDateTime current = now();
    for (const auto &alarm : m_alarms) {
        const QDateTime at = alarm->nextRing(current);
        if (at.isValid() && (!next.at.isValid() || at < next.at))
            next = {alarm.get(), at};
    }
    return next;
}

void AlarmList::setToldAboutBackground()
{
    m_notes.toldAboutBackground = true;
    save();
}

AlarmList::Next AlarmList::nextSkippable() const
{
    Next next;
    const QDateTime current = now();
    for (const auto &alarm : m_alarms) {
        if (!alarm->canSkip())
            continue;
        const QDateTime at = alarm->nextScheduled(current);
        if (at.isValid() && (!next.at.isValid() || at < next.at))
            next = {alarm.get(), at};
    }
    return next;
}

bool AlarmList::isArmed() const
{
    return std::any_of(m_alarms.begin(), m_alarms.end(),
                       [](const auto &alarm) { return alarm->isArmed(); });
}

QDateTime AlarmList::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void AlarmList::edited()
{
    emit changed();
    // A change the tick itself made (an alarm for once disarming as it rings) is already
    // checked, and is saved as the tick ends rather than after the delay: a crash just after
    // the ring must not bring the alarm back tomorrow.
    if (m_ticking) {
        m_saveAfterTick = true;
        return;
    }
    if (!m_save.isActive())
        m_save.start(kSaveDelayMs);
    // An alarm set to the second it is in rings at once, not at the next tick; asleep, the list
    // wakes for the new time.
    if (m_started)
        tick();
}

void AlarmList::start()
{
    m_started = true;
    const QDateTime lastCheck = m_notes.lastCheck;
    if (lastCheck.isValid() && lastCheck < now()) {
        for (const auto &alarm : m_alarms)
            alarm->resume();
        m_lastTick = lastCheck;
        m_resuming = true;
    }
    tick();
}

void AlarmList::setClockShown(bool shown)
{
    m_clockShown = shown;
    if (m_started)
        tick();
}

void AlarmList::sleep()
{
    const QDateTime next = this->next().at;
    m_wakeUp->at(next.isValid() ? next.addMSecs(kAfterBoundaryMs) : next);
}

void AlarmList::tick()
{
    const QDateTime current = now();
    // Re-armed first, so the clock goes on while a ring's box is open.
    if (m_clockShown) {
        m_wakeUp->at({});
        m_tick.start(1000 - current.time().msec() + kAfterBoundaryMs);
    } else {
        m_tick.stop();
    }
    const QDateTime previous = m_lastTick;
    m_lastTick = current;
    const bool resuming = std::exchange(m_resuming, false);
    m_ticking = true;
    // Each alarm is checked before any ring is told, so a box shown for one does not hold up
    // another due in the same second.
    QList<QPair<Alarm *, bool>> rings;
    QList<Alarm *> late;
    bool snoozeEnded = false;
    for (const auto &alarm : m_alarms) {
        const bool snoozed = alarm->snoozedUntil().isValid();
        const AlarmClock::Ring ring = alarm->check(previous, current);
        snoozeEnded |= snoozed && !alarm->snoozedUntil().isValid();
        // Too late, found at start: nobody waits for a box of that morning's alarm.
        if (ring == AlarmClock::Ring::Silent && resuming)
            late << alarm.get();
        else if (ring != AlarmClock::Ring::None)
            rings << qMakePair(alarm.get(), ring == AlarmClock::Ring::WithSound);
    }
    // A ring is a check the next start must know of, in case this run ends without a word.
    m_saveAfterTick |= !rings.isEmpty() || !late.isEmpty();
    m_ticking = false;
    if (std::exchange(m_saveAfterTick, false)) {
        m_save.stop();
        save();
    }
    emit ticked(current);
    if (snoozeEnded)
        emit changed();
    for (const auto &[alarm, withSound] : qAsConst(rings)) {
        if (!m_ringing.contains(alarm))
            m_ringing << alarm;
        emit rang(alarm, withSound);
    }
    for (Alarm *alarm : qAsConst(late))
        emit missed(alarm, alarm->lastDue());
    if (!m_clockShown)
        sleep();
}

void AlarmList::stop(Alarm *alarm)
{
    if (m_ringing.removeOne(alarm))
        emit ended(alarm);
}

void AlarmList::snooze(Alarm *alarm)
{
    if (!isRinging(alarm))
        return;
    alarm->snooze(now());
    stop(alarm);
    if (m_started && !m_clockShown)
        sleep();
}

bool AlarmList::save()
{
    QVector<AlarmSettings> kept;
    for (const auto &alarm : m_alarms)
        kept << alarm->kept();
    if (m_lastTick.isValid())
        m_notes.lastCheck = m_lastTick;
    const bool failed = !alarmfile::write(kept, m_path, m_notes);
    if (failed != m_saveFailed) {
        m_saveFailed = failed;
        emit changed();
    }
    return !failed;
}
