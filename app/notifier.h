#pragma once

#include "kit/bilingual.h"

#include <QObject>

#include <optional>

class Alarm;
class AlarmList;
class Notices;
class QWidget;

// Shows each ring as a desktop notice while the window is hidden or minimized, named after its
// alarm, with Snooze and Stop; an answer there ends that ring everywhere, and a ring answered
// elsewhere withdraws it. A click on the notice itself asks for the window.
class Notifier : public QObject
{
    Q_OBJECT

public:
    Notifier(AlarmList &alarms, std::optional<Language> language, const QWidget &window,
             Notices &notices);

signals:
    void showRequested();

private:
    void notify(Alarm *alarm);
    void answer(quintptr key, const QString &action);

    AlarmList &alarms;
    const std::optional<Language> language;
    const QWidget &window;
    Notices &notices;
};
