#pragma once

#include "kit/bilingual.h"

#include <QDateTime>
#include <QString>

#include <optional>

class Alarm;

// What an alarm is called wherever it shows: in its box, the window's list and status bar, the
// tray's menu and the desktop's notifications. Without a language (a language file that names
// none) the window offers no reasons, so a reason has no name either.
namespace alarmnames {

// A reason's name by its index: "Alarm Clock", "Reminder".
QString reason(int reason, std::optional<Language> language);
// The alarm's time as the window shows it: "07:30:00".
QString time(const Alarm &alarm);
// The alarm as the desktop names it outside the window: "Alarm Clock 07:30".
QString name(const Alarm &alarm, std::optional<Language> language);
// What answering its ring with a snooze is called: "Snooze 10 minutes".
QString snooze(const Alarm &alarm, Language language);
// Its row in the window's list: "07:00:00  ·  Mon-Fri  ·  Alarm Clock  ·  On", and the ring
// it skips: "  ·  skips Mon 07:00".
QString row(const Alarm &alarm, std::optional<Language> language);
// The status bar's line on the alarm that rings next, at: "Next alarm: Mon 07:00, Alarm Clock".
QString next(const Alarm &alarm, const QDateTime &at, std::optional<Language> language);
// A ring it missed, due at due: "Missed alarm: Mon 07:00, Alarm Clock".
QString missed(const Alarm &alarm, const QDateTime &due, std::optional<Language> language);

} // namespace alarmnames
