#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class Alarm;
class MainWindow;

// While the main window is hidden Tivora runs in the background: the alarm sleeps until it is
// due instead of ticking each second, and where the desktop has a system tray an icon there
// shows the window (a click, or its menu) or quits (through the window's question).
class Tray : public QObject
{
    Q_OBJECT

public:
    Tray(Alarm &alarm, MainWindow &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    Alarm &alarm;
    MainWindow &window;
    QSystemTrayIcon icon;
    QMenu menu;
};
