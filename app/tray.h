#pragma once

#include "kit/bilingual.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <optional>

class AlarmList;
class TimerList;

// Tivora's icon in the desktop's system tray while it runs in the background, where the desktop
// has a tray: a click or its menu asks for the window, its menu stops a ringing alarm or timer
// named there, skips the next ring of a repeating alarm, or asks to quit.
class Tray : public QObject
{
    Q_OBJECT

public:
    Tray(AlarmList &alarms, TimerList &timers, std::optional<Language> language, const QIcon &icon);

    // Shown while Tivora runs in the background.
    void setBackground(bool background);
    QSystemTrayIcon &icon() { return m_icon; }

signals:
    void showRequested();
    void quitRequested();

private:
    AlarmList &alarms;
    TimerList &timers;
    QSystemTrayIcon m_icon;
    QMenu menu;
};
