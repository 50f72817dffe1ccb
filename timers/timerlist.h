#pragma once

#include "kit/owned.h"
#include "kit/wakeup.h"
#include "timers/countdown.h"
#include "timers/timerfile.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

// The program's countdown timers, kept in their file. While one runs the list sleeps until the
// next end, through the platform's wake-up as the alarms do, and rings each timer as it ends:
// nothing wakes in between, whether a window shows them or not.
class TimerList : public QObject
{
    Q_OBJECT

public:
    using Clock = WakeUp::Clock;

    static constexpr int kMaxTimers = 20;
    // A change is saved this long after it, so typing a label does not write at each key.
    static constexpr int kSaveDelayMs = 500;

    explicit TimerList(const QString &path = timerfile::kPath, Clock clock = {},
                       std::unique_ptr<WakeUp> wakeUp = nullptr);
    // Saves a change still waiting for its delay.
    ~TimerList() override;

    int count() const { return int(m_timers.size()); }
    Countdown &at(int index) const { return atOwned(m_timers, index); }
    int indexOf(const Countdown *timer) const;
    // A new timer of that length, stopped; none once there are kMaxTimers.
    Countdown *add(qint64 lengthMs, const QString &label = QString());
    // Removes a timer, ending its ring.
    void remove(Countdown &timer);

    QDateTime now() const;
    // The running timer that ends first; none while no timer runs.
    Countdown *nextToEnd() const;
    // The timers whose ring is not answered yet, in the order they rang.
    const QList<Countdown *> &ringing() const { return m_ringing; }
    bool isRinging(const Countdown *timer) const
    {
        return m_ringing.contains(const_cast<Countdown *>(timer));
    }
    // The user answered a timer's ring; an answer to one already answered changes nothing.
    void stop(Countdown *timer);

    // Looks at the clock now: a timer whose end came while Tivora was not running rings now.
    void start();
    // Rings the timers whose end has come, and sleeps until the next end.
    void check();
    bool save();

signals:
    // A timer ended, with its sound unless it ended too long ago for one.
    void rang(Countdown *timer, bool withSound);
    void ended(Countdown *timer);
    // A timer was added, removed or changed.
    void changed();

private:
    Countdown &adopt(std::unique_ptr<Countdown> timer);
    void edited();

    const QString m_path;
    const Clock m_clock;
    std::vector<std::unique_ptr<Countdown>> m_timers;
    QList<Countdown *> m_ringing;
    bool m_started = false;
    const std::unique_ptr<WakeUp> m_wakeUp;
    QTimer m_save;
};
