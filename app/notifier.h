#pragma once

#include <QHash>
#include <QObject>

class Alarm;
class AlarmList;
class MainWindow;

// Shows each ring as a desktop notification (the freedesktop service on the session bus) while
// the main window is hidden or minimized, named after its alarm, with Snooze and Stop; an answer
// there ends that ring everywhere, and a ring answered elsewhere withdraws it. Without a bus or
// a service: nothing.
class Notifier : public QObject
{
    Q_OBJECT

public:
    Notifier(AlarmList &alarms, MainWindow &window);

private slots:
    void actionInvoked(uint id, const QString &action);

private:
    void notify(Alarm *alarm);
    void withdraw(Alarm *alarm);

    AlarmList &alarms;
    MainWindow &window;
    // The shown notifications' ids and their alarms.
    QHash<uint, Alarm *> shown;
};
