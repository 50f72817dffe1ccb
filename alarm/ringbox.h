#pragma once

#include "kit/bilingual.h"

#include <optional>

class Alarm;
class AlarmList;
class QWidget;

namespace ringbox {

// Shows the box of an alarm's ring over the window: titled with its reason, the description
// as its text, OK to stop the ring and a Snooze button by the alarm's snooze length. Its answer
// goes to the list; a ring answered elsewhere, or its alarm deleted, closes it. Each ring has a
// box of its own, none waiting for another, and the box goes once it is answered.
void show(AlarmList &alarms, Alarm *alarm, std::optional<Language> language, QWidget *window);

} // namespace ringbox
