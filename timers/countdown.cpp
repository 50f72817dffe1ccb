#include "timers/countdown.h"

Countdown::Countdown(const Kept &kept, QObject *parent) : QObject(parent), m_kept(kept) {}

qint64 Countdown::leftMs(const QDateTime &now) const
{
    switch (m_kept.state) {
    case State::Running:
        return qMax<qint64>(0, now.msecsTo(m_kept.endsAt));
    case State::Paused:
        return m_kept.leftMs;
    case State::Stopped:
        break;
    }
    return m_kept.lengthMs;
}

void Countdown::setLength(qint64 ms)
{
    if (ms <= 0 || ms > kMaxLengthMs || ms == m_kept.lengthMs)
        return;
    m_kept.lengthMs = ms;
    m_kept.state = State::Stopped;
    emit changed();
}

void Countdown::setLabel(const QString &label)
{
    if (label == m_kept.label)
        return;
    m_kept.label = label;
    emit changed();
}

void Countdown::start(const QDateTime &now)
{
    if (m_kept.state == State::Running)
        return;
    const qint64 left = m_kept.state == State::Paused ? m_kept.leftMs : m_kept.lengthMs;
    m_kept.state = State::Running;
    m_kept.endsAt = now.toUTC().addMSecs(left);
    emit changed();
}

void Countdown::pause(const QDateTime &now)
{
    if (m_kept.state != State::Running)
        return;
    m_kept.leftMs = leftMs(now);
    m_kept.state = State::Paused;
    emit changed();
}

void Countdown::reset()
{
    if (m_kept.state == State::Stopped)
        return;
    m_kept.state = State::Stopped;
    emit changed();
}

bool Countdown::ends(const QDateTime &now)
{
    if (m_kept.state != State::Running || now < m_kept.endsAt)
        return false;
    reset();
    return true;
}
