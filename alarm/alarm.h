#pragma once

#include "alarm/alarmclock.h"
#include "alarm/alarmfile.h"
#include "alarm/wakeup.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// The program's alarm: its time, reason, description, sound and whether it is armed, kept in
// the alarm file. It ticks just after each wall-clock second, decides with AlarmClock whether
// it rings, and tells what happens through its signals; any window only shows and edits it.
class Alarm : public QObject
{
    Q_OBJECT

public:
    // The local date and time; the system clock unless another is given.
    using Clock = std::function<QDateTime()>;

    // The reasons an alarm can have, by their index in the window's list.
    static constexpr int kReasons = 2;
    static constexpr qint64 kSnoozeMs = 10 * 60 * 1000;
    // A change is saved this long after it, so typing does not write the file at each key.
    static constexpr int kSaveDelayMs = 500;

    // Reads the alarm kept at path: a field the file lacks or holds something else in keeps
    // its default, and the file stays as it is until the alarm changes.
    explicit Alarm(const QString &path = alarmfile::kPath, Clock clock = {},
                   QObject *parent = nullptr);
    // Saves a change still waiting for its delay.
    ~Alarm() override;

    QTime time() const { return m_time; }
    int reason() const { return m_reason; }
    QString description() const { return m_description; }
    // Empty until the user arms or disarms it; an alarm never armed does not ring.
    std::optional<bool> armed() const { return m_armed; }
    // The file to play: the one chosen for the alarm, else the default; empty plays the
    // bundled alarm.
    QString sound() const { return m_sound.isEmpty() ? m_defaultSound : m_sound; }
    // When a snoozed ring comes; invalid when none is pending.
    QDateTime snoozedUntil() const { return m_decision.snoozedUntil(); }
    // Whether the last save failed; a later change tries again.
    bool saveFailed() const { return m_saveFailed; }
    QDateTime now() const;
    // The time the last tick checked.
    QDateTime lastTick() const { return m_lastTick; }

    void setTime(const QTime &time);
    void setReason(int reason);
    void setDescription(const QString &description);
    void setArmed(bool armed);
    // Chooses the alarm's own sound, kept with it.
    void setSound(const QString &path);
    // The sound of an alarm that has none of its own (the stored sound of the settings).
    void setDefaultSound(const QString &path) { m_defaultSound = path; }
    void setSnoozeInterval(qint64 ms) { m_snoozeMs = ms; }

    // Ticks now, and from now on just after each second.
    void start();
    // With no clock to show it sleeps instead, until its next ring is due (where the system can
    // wake it at a moment of the wall clock); with a clock shown it ticks each second again.
    void setClockShown(bool shown);
    // Shows the time and checks the alarm against it.
    void tick();
    // The user answered the ring: it ends, and with snooze() it comes again after the interval.
    void stop();
    void snooze();
    // Writes the alarm at once; false when it could not be written.
    bool save();

signals:
    // Each tick, with the time it checked.
    void ticked(const QDateTime &now);
    // Rings, with its sound unless it is too late for one.
    void rang(bool withSound);
    // The ring was answered.
    void ended();
    // Whether it is armed, snoozed or saved changed.
    void changed();

private:
    void edited();
    bool everySecond() const;
    void sleep();

    const QString m_path;
    const Clock m_clock;
    QTime m_time{0, 0};
    int m_reason = 0;
    QString m_description;
    std::optional<bool> m_armed;
    QString m_sound;
    QString m_defaultSound;
    qint64 m_snoozeMs = kSnoozeMs;
    bool m_saveFailed = false;
    AlarmClock m_decision;
    QDateTime m_lastTick;
    bool m_started = false;
    bool m_clockShown = true;
    QTimer m_tick;
    WakeUp m_wakeUp;
    QTimer m_save;
};
