#pragma once

#include "kit/bilingual.h"

#include <QDateTime>
#include <QString>

class Countdown;

// What a timer is called wherever it shows: its window, its box, the tray's menu and the
// desktop's notices.
namespace timernames {

// The title of an ended timer's box and notice: "Time is up".
QString timeIsUp(Language language);
// Its label, or "Timer" without one.
QString name(const Countdown &timer, Language language);
// A time left, as hours, minutes and seconds: "00:04:32".
QString left(qint64 ms);
// Its row in the window's list at now: "Tea  ·  00:04:32  ·  Running".
QString row(const Countdown &timer, const QDateTime &now, Language language);

} // namespace timernames
