#pragma once

#include <QObject>

class Alarm;
class MainWindow;

// Shows a ring as a desktop notification (the freedesktop service on the session bus) while
// the main window is hidden or minimized, with Snooze and Stop; an answer there ends the ring
// everywhere, and a ring answered elsewhere withdraws it. Without a bus or a service: nothing.
class Notifier : public QObject
{
    Q_OBJECT

public:
    Notifier(Alarm &alarm, MainWindow &window);

private slots:
    void actionInvoked(uint id, const QString &action);

private:
    void notify();
    void withdraw();

    Alarm &alarm;
    MainWindow &window;
    // The shown notification's id; 0 when none is shown.
    uint shown = 0;
    bool ringing = false;
};
