#pragma once

#include "kit/wakeup.h"

#include <QTimer>

// The portable wake-up: a timer to the moment that looks at the wall clock at least once a
// minute, so a clock set forward or a resume wakes it within a minute.
class TimerWakeUp : public WakeUp
{
    Q_OBJECT

public:
    static constexpr int kLookEveryMs = 60 * 1000;

    explicit TimerWakeUp(Clock clock = {}, QObject *parent = nullptr);

    void at(const QDateTime &moment) override;

private:
    void look();

    const Clock m_clock;
    QDateTime m_moment;
    QTimer m_timer;
};
