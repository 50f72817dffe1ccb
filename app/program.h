#pragma once

#include "alarm/alarm.h"
#include "alarm/alarmsound.h"
#include "alarm/mainwindow.h"
#include "articles/helparticles.h"
#include "settings/settingsfiles.h"
#include "stopwatch/stopwatchsession.h"
#include "updates/updatecheck.h"

// What the program makes once at start, from the settings files in the working folder, and
// keeps for its whole run outside any window: the alarm with its sound, and what the dialogs
// keep between their openings.
struct Program
{
    explicit Program(Alarm::Clock clock = {}, MonotonicClock monotonic = monotonicMilliseconds,
                     const QUrl &indicator = updateindicator::indicatorUrl())
        : alarm(alarmfile::kPath, std::move(clock)), stopwatch(std::move(monotonic)),
          updates(indicator)
    {
        alarm.setDefaultSound(preferences.storedSound);
        sound.follow(alarm, preferences.volume);
    }
    MainWindow::Objects objects() { return {alarm, preferences, stopwatch, updates, articles}; }

    const settingsfiles::Preferences preferences = settingsfiles::readPreferences();
    Alarm alarm;
    AlarmSound sound;
    StopwatchSession stopwatch;
    UpdateCheck updates;
    HelpArticles articles;
};
