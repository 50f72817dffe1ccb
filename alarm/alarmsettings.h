#pragma once

#include "alarm/days.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// What the user sets on an alarm, as it is kept between runs: the one shape of an alarm that
// the list, the window and the alarm file share.
struct AlarmSettings
{
    // The reasons an alarm can have, by their index in the window's list.
    static constexpr int kReasons = 2;
    static constexpr int kMinSnoozeMinutes = 1;
    static constexpr int kMaxSnoozeMinutes = 60;
    static constexpr int kDefaultSnoozeMinutes = 10;
    static constexpr int kMaxFadeSeconds = 300;

    QTime time{0, 0};
    days::Days days = days::kEveryDay;
    int reason = 0;
    QString description;
    // Empty until the user arms or disarms it; an alarm never armed does not ring.
    std::optional<bool> armed;
    // The file chosen for this alarm; empty plays the list's default.
    QString sound;
    int snoozeMinutes = kDefaultSnoozeMinutes;
    // How long its sound takes to rise from silence to the set volume; 0 plays it at once.
    int fadeSeconds = 0;
    // The day whose ring a repeating alarm skips; invalid while it skips none.
    QDate skip;

    bool operator==(const AlarmSettings &other) const
    {
        return time == other.time && days == other.days && reason == other.reason &&
               description == other.description && armed == other.armed && sound == other.sound &&
               snoozeMinutes == other.snoozeMinutes && fadeSeconds == other.fadeSeconds &&
               skip == other.skip;
    }
    bool operator!=(const AlarmSettings &other) const { return !(*this == other); }
};
