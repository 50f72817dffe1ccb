#include "kit/timerwakeup.h"

TimerWakeUp::TimerWakeUp(Clock clock, QObject *parent) : WakeUp(parent), m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimerWakeUp::look);
}

void TimerWakeUp::at(const QDateTime &moment)
{
    m_moment = moment;
    if (!moment.isValid()) {
        m_timer.stop();
        return;
    }
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    m_timer.start(int(qBound<qint64>(0, now.msecsTo(moment), kLookEveryMs)));
}

void TimerWakeUp::look()
{
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    if (now < m_moment) {
        at(m_moment);
        return;
    }
    m_moment = QDateTime();
    emit woke();
}
