#pragma once

#include "alarm/alarm.h"
#include "alarm/alarmfile.h"
#include "kit/owned.h"
#include "kit/wakeup.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The program's alarms, kept in the alarm file, never fewer than one. The list ticks just after
// each wall-clock second, asks each alarm whether it rings, and tells what happens through its
// signals; any window only shows and edits it.
class AlarmList : public QObject
{
    Q_OBJECT

public:
    // The local date and time; the system clock unless another is given.
    using Clock = WakeUp::Clock;

    // A change is saved this long after it, so typing does not write the file at each key.
    static constexpr int kSaveDelayMs = 500;

    // Reads the alarms kept at path: a field the file lacks or holds something else in keeps
    // its default, and the file stays as it is until an alarm changes. Hidden, it sleeps on the
    // wake-up given, else on the platform's own for its clock.
    explicit AlarmList(const QString &path = alarmfile::kPath, Clock clock = {},
                       std::unique_ptr<WakeUp> wakeUp = nullptr);
    // Saves a change still waiting for its delay.
    ~AlarmList() override;

    int count() const { return int(m_alarms.size()); }
    Alarm &at(int index) const { return atOwned(m_alarms, index); }
    int indexOf(const Alarm *alarm) const;
    // Adds an alarm at the end and returns it; none while the list is full.
    Alarm *add();
    bool isFull() const { return count() >= alarmfile::kListedAlarms; }
    // Removes an alarm, ending its ring; the last one stays.
    void remove(Alarm &alarm);

    // The alarm that rings next and when; none while no alarm is armed.
    struct Next
    {
        Alarm *alarm = nullptr;
        QDateTime at;
    };
    Next next() const;
    // The soonest ring that a repeating alarm can skip, skipped already or not; none while no
    // repeating alarm is armed.
    Next nextSkippable() const;
    // The alarms whose ring is not answered yet, in the order they rang.
    const QList<Alarm *> &ringing() const { return m_ringing; }
    bool isRinging(const Alarm *alarm) const
    {
        return m_ringing.contains(const_cast<Alarm *>(alarm));
    }
    bool isArmed() const;

    // The sound of an alarm that has none of its own (the stored sound of the settings).
    void setDefaultSound(const QString &path) { m_defaultSound = path; }
    // The file an alarm plays: its own, else the default; empty plays the bundled alarm.
    QString soundOf(const Alarm &alarm) const
    {
        return alarm.sound().isEmpty() ? m_defaultSound : alarm.sound();
    }
    // What became of a file that could not be read whole: where it was moved (empty when it
    // could not be), and the lines whose values could not be read.
    struct Unread
    {
        QString keptAs;
        QStringList values;
    };
    const std::optional<Unread> &unread() const { return m_unread; }
    // Whether the user was told that closing the window keeps Tivora running, which is kept
    // with the alarms.
    bool toldAboutBackground() const { return m_notes.toldAboutBackground; }
    void setToldAboutBackground();
    // Whether the last save failed; a later change tries again.
    bool saveFailed() const { return m_saveFailed; }
    QDateTime now() const;
    // The time the last tick checked.
    QDateTime lastTick() const { return m_lastTick; }

    // Ticks now, and from now on just after each second. The first tick goes on from the last
    // check an earlier run kept: a ring due since then rings if it is not five minutes late,
    // and is told as missed if it is.
    void start();
    // With no clock to show it sleeps instead, until the next ring is due; with a clock shown it
    // ticks each second again.
    void setClockShown(bool shown);
    // Shows the time and checks every alarm against it.
    void tick();
    // The user answered an alarm's ring: it ends, and with snooze() it comes again after the
    // alarm's snooze length. An answer to a ring already answered elsewhere, or to an alarm
    // that is gone, changes nothing.
    void stop(Alarm *alarm);
    void snooze(Alarm *alarm);
    // Writes the alarms at once; false when they could not be written.
    bool save();

signals:
    // Each tick, with the time it checked.
    void ticked(const QDateTime &now);
    // An alarm rings, with its sound unless it is too late for one.
    void rang(Alarm *alarm, bool withSound);
    // An alarm's ring was answered.
    void ended(Alarm *alarm);
    // An alarm was due at `due` while Tivora was not running, and is now too late to ring.
    void missed(Alarm *alarm, const QDateTime &due);
    // An alarm was added or removed, or one changed, was snoozed or saved.
    void changed();

private:
    Alarm &adopt(std::unique_ptr<Alarm> alarm);
    void edited();
    void sleep();

    const QString m_path;
    const Clock m_clock;
    std::vector<std::unique_ptr<Alarm>> m_alarms;
    QList<Alarm *> m_ringing;
    QString m_defaultSound;
    alarmfile::Notes m_notes;
    std::optional<Unread> m_unread;
    bool m_saveFailed = false;
    QDateTime m_lastTick;
    bool m_started = false;
    bool m_resuming = false;
    bool m_ticking = false;
    bool m_saveAfterTick = false;
    bool m_clockShown = true;
    QTimer m_tick;
    const std::unique_ptr<WakeUp> m_wakeUp;
    QTimer m_save;
};
