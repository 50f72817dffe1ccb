#pragma once

#include "kit/bilingual.h"

#include <QObject>

#include <optional>

class Alarm;
class AlarmList;
class Countdown;
class TimerList;
class Notices;
class QWidget;

// Shows each ring as a desktop notice while the window is hidden or minimized, named after its
// alarm, with Snooze and Stop; an answer there ends that ring everywhere, and a ring answered
// elsewhere withdraws it. A click on the notice itself asks for the window. A ring too late for
// its sound, and one missed while Tivora was not running, are named as missed. An ended timer
// is told the same way, with Stop.
class Notifier : public QObject
{
    Q_OBJECT

public:
    Notifier(AlarmList &alarms, TimerList &timers, std::optional<Language> language,
             const QWidget &window, Notices &notices);

signals:
    void showRequested();

private:
    void notify(Alarm *alarm, bool withSound);
    void notifyEnd(Countdown *timer);
    void answer(quintptr key, const QString &action);
    // Whether the window is out of sight, so a notice is needed.
    bool away() const;

    AlarmList &alarms;
    TimerList &timers;
    const std::optional<Language> language;
    const QWidget &window;
    Notices &notices;
};
