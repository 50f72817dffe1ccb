#pragma once

#include "alarm/alarmclock.h"
#include "alarm/alarmsettings.h"

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
    explicit Alarm(const AlarmSettings &settings = {}, QObject *parent = nullptr)
        : QObject(parent), m_settings(settings)
    {
    }

    const AlarmSettings &settings() const { return m_settings; }
    QTime time() const { return m_settings.time; }
    days::Days days() const { return m_settings.days; }
    int reason() const { return m_settings.reason; }
    QString description() const { return m_settings.description; }
    // Empty until the user arms or disarms it; an alarm never armed does not ring.
    std::optional<bool> armed() const { return m_settings.armed; }
    bool isArmed() const { return m_settings.armed.value_or(false); }
    // The alarm as it is kept between runs: an alarm for once armed again only for its snooze
    // is kept disarmed, since a snooze does not outlast the program.
    AlarmSettings kept() const;
    // The file chosen for this alarm; empty plays the list's default.
    QString sound() const { return m_settings.sound; }
    int snoozeMinutes() const { return m_settings.snoozeMinutes; }
    int fadeSeconds() const { return m_settings.fadeSeconds; }
    // Whether its next ring can be skipped: it is armed and repeats.
    bool canSkip() const { return isArmed() && m_settings.days != days::kOnce; }
    // The ring it skips; invalid while it skips none.
    QDateTime skippedRing() const;
    // The moment of the latest ring its checks found due, rung or skipped.
    QDateTime lastDue() const { return m_decision.lastDue(); }
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
    // Between 0 and 300 seconds; another length is not taken.
    void setFadeSeconds(int seconds);
    // Skips the next ring it has after now, or skips none again. Changing its time or days, or
    // disarming it, skips none too.
    void setSkipNext(bool skip, const QDateTime &now);

    // Whether it rings at current, the last check having been at previous. An alarm for once
    // disarms itself as it rings.
    AlarmClock::Ring check(const QDateTime &previous, const QDateTime &current);
    // The first moment after now at which it can ring, past a skipped one; invalid while it
    // cannot.
    QDateTime nextRing(const QDateTime &now) const;
    // Its schedule's next ring after now, skipped or not, and whatever snooze comes before.
    QDateTime nextScheduled(const QDateTime &now) const;
    // Goes on from an earlier run's last check: the next check, given that moment, finds what
    // it missed since.
    void resume() { m_decision.resume(m_settings.time, isArmed()); }
    // Rings again after its snooze length; an alarm for once stays armed until then.
    void snooze(const QDateTime &now);

signals:
    // A field changed, by the user or by the alarm itself.
    void changed();

private:
    template <typename T> void set(T &field, const T &value);

    AlarmSettings m_settings;
    bool m_armedForSnooze = false;
    AlarmClock m_decision;
};
