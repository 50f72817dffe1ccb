#pragma once

#include "alarm/alarmclock.h"
#include "alarm/days.h"

#include <QDateTime>
#include <QObject>

#include <optional>

// One of the program's alarms: its time, days, reason, description, sound, snooze length and
// whether it is armed, with the decision of when it rings. The list that owns it ticks it and
// keeps it in the alarm file; any window only shows and edits it.
class Alarm : public QObject
{
    Q_OBJECT

public:
    // The reasons an alarm can have, by their index in the window's list.
    static constexpr int kReasons = 2;
    static constexpr int kMinSnoozeMinutes = 1;
    static constexpr int kMaxSnoozeMinutes = 60;
    static constexpr int kDefaultSnoozeMinutes = 10;

    explicit Alarm(QObject *parent = nullptr) : QObject(parent) {}

    QTime time() const { return m_time; }
    days::Days days() const { return m_days; }
    int reason() const { return m_reason; }
    QString description() const { return m_description; }
    // Empty until the user arms or disarms it; an alarm never armed does not ring.
    std::optional<bool> armed() const { return m_armed; }
    bool isArmed() const { return m_armed.value_or(false); }
    // Whether it is armed as it is kept between runs: an alarm for once armed again only for
    // its snooze is not, since a snooze does not outlast the program.
    std::optional<bool> keptArmed() const
    {
        return m_armedForSnooze ? std::optional<bool>(false) : m_armed;
    }
    // The file chosen for this alarm; empty plays the bundled alarm.
    QString sound() const { return m_sound; }
    int snoozeMinutes() const { return m_snoozeMinutes; }
    // When a snoozed ring comes; invalid when none is pending.
    QDateTime snoozedUntil() const { return m_decision.snoozedUntil(); }

    void setTime(const QTime &time);
    void setDays(days::Days days);
    void setReason(int reason);
    void setDescription(const QString &description);
    void setArmed(bool armed);
    void setSound(const QString &path);
    // Between 1 and 60 minutes; another length is not taken.
    void setSnoozeMinutes(int minutes);

    // Whether it rings at current, the last check having been at previous. An alarm for once
    // disarms itself as it rings.
    AlarmClock::Ring check(const QDateTime &previous, const QDateTime &current);
    // The first moment after now at which it can ring; invalid while it cannot.
    QDateTime nextRing(const QDateTime &now) const;
    // Rings again after its snooze length; an alarm for once stays armed until then.
    void snooze(const QDateTime &now);

signals:
    // A field changed, by the user or by the alarm itself.
    void changed();

private:
    template <typename T> void set(T &field, const T &value);

    QTime m_time{0, 0};
    days::Days m_days = days::kEveryDay;
    int m_reason = 0;
    QString m_description;
    std::optional<bool> m_armed;
    bool m_armedForSnooze = false;
    QString m_sound;
    int m_snoozeMinutes = kDefaultSnoozeMinutes;
    AlarmClock m_decision;
};
