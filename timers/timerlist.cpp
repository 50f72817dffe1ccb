#include "timers/timerlist.h"

#include "kit/owned.h"

#include <algorithm>

TimerList::TimerList(const QString &path, Clock clock, std::unique_ptr<WakeUp> wakeUp)
    : m_path(path), m_clock(std::move(clock)),
      m_wakeUp(wakeUp ? std::move(wakeUp) : WakeUp::make(m_clock))
{
    const QVector<Countdown::Kept> kept = timerfile::read(m_path);
    for (const Countdown::Kept &timer : kept) {
        if (count() < kMaxTimers)
            adopt(std::make_unique<Countdown>(timer));
    }
    connect(m_wakeUp.get(), &WakeUp::woke, this, &TimerList::check);
    m_save.setSingleShot(true);
    connect(&m_save, &QTimer::timeout, this, &TimerList::save);
}

TimerList::~TimerList()
{
    if (m_save.isActive())
        save();
}

Countdown &TimerList::adopt(std::unique_ptr<Countdown> timer)
{
    connect(timer.get(), &Countdown::changed, this, &TimerList::edited);
    m_timers.push_back(std::move(timer));
    return *m_timers.back();
}

int TimerList::indexOf(const Countdown *timer) const
{
    return indexOfOwned(m_timers, timer);
}

Countdown *TimerList::add(qint64 lengthMs, const QString &label)
{
    if (count() >= kMaxTimers || lengthMs <= 0 || lengthMs > Countdown::kMaxLengthMs)
        return nullptr;
    Countdown::Kept kept;
    kept.lengthMs = lengthMs;
    kept.label = label;
    Countdown &timer = adopt(std::make_unique<Countdown>(kept));
    edited();
    return &timer;
}

void TimerList::remove(Countdown &timer)
{
    const int index = indexOf(&timer);
    if (index < 0)
        return;
    stop(&timer);
    // Taken out first, so the list is whole again when it goes.
    std::unique_ptr<Countdown> gone = std::move(m_timers[size_t(index)]);
    m_timers.erase(m_timers.begin() + index);
    edited();
}

QDateTime TimerList::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

Countdown *TimerList::nextToEnd() const
{
    Countdown *first = nullptr;
    for (const auto &timer : m_timers) {
        const QDateTime end = timer->endsAt();
        if (end.isValid() && (!first || end < first->endsAt()))
            first = timer.get();
    }
    return first;
}

void TimerList::stop(Countdown *timer)
{
    if (m_ringing.removeOne(timer))
        emit ended(timer);
}

void TimerList::edited()
{
    emit changed();
    if (!m_save.isActive())
        m_save.start(kSaveDelayMs);
    // A timer started or paused moves the next end.
    if (m_started)
        check();
}

void TimerList::start()
{
    m_started = true;
    check();
}

void TimerList::check()
{
    const QDateTime current = now();
    QList<QPair<Countdown *, bool>> rings;
    QDateTime next;
    for (const auto &timer : m_timers) {
        const QDateTime end = timer->endsAt();
        const QSignalBlocker quiet(timer.get());
        if (timer->ends(current)) {
            // An end long past (Tivora was not running) is told without a sound, as an alarm's.
            rings << qMakePair(timer.get(), end.msecsTo(current) <= Countdown::kSilentAfterMs);
        } else if (end.isValid() && (!next.isValid() || end < next)) {
            next = end;
        }
    }
    m_wakeUp->at(next);
    if (rings.isEmpty())
        return;
    // Saved at once: a crash now must not ring the same end again at the next start.
    m_save.stop();
    save();
    emit changed();
    for (const auto &[timer, withSound] : qAsConst(rings)) {
        if (!m_ringing.contains(timer))
            m_ringing << timer;
        emit rang(timer, withSound);
    }
}

bool TimerList::save()
{
    QVector<Countdown::Kept> kept;
    for (const auto &timer : m_timers)
        kept << timer->kept();
    return timerfile::write(kept, m_path);
}
