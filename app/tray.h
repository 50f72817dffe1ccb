#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class AlarmList;
class MainWindow;

// While the main window is hidden Tivora runs in the background: the alarms sleep until one is
// due instead of ticking each second, and where the desktop has a system tray an icon there
// shows the window (a click, or its menu), stops a ringing alarm named in its menu, or quits
// (through the window's question).
class Tray : public QObject
{
    Q_OBJECT

public:
    Tray(AlarmList &alarms, MainWindow &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    AlarmList &alarms;
    MainWindow &window;
    QSystemTrayIcon icon;
    QMenu menu;
};
