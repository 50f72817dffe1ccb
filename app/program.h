#pragma once

#include "alarm/alarmlist.h"
#include "alarm/alarmsound.h"
#include "alarm/mainwindow.h"
#include "articles/helparticles.h"
#include "settings/settingsfiles.h"
#include "stopwatch/stopwatchsession.h"
#include "timers/timerlist.h"
#include "updates/updatecheck.h"

// What the program makes once at start, from the settings files in the working folder, and
// keeps for its whole run outside any window: the alarms and the timers with their sound, what
// the dialogs keep between their openings, and the language file as it was read at start.
struct Program
{
    explicit Program(AlarmList::Clock clock = {}, MonotonicClock monotonic = monotonicMilliseconds,
                     const QUrl &indicator = updateindicator::indicatorUrl())
        : alarms(alarmfile::kPath, clock), timers(timerfile::kPath, std::move(clock)),
          stopwatch(std::move(monotonic)), updates(indicator)
    {
        alarms.setDefaultSound(preferences.storedSound);
        sound.follow(alarms, preferences.volume);
        // A timer plays the alarm sound of the settings, as an alarm without its own does.
        QObject::connect(&timers, &TimerList::rang, &sound, [this](Countdown *timer, bool loud) {
            if (loud)
                sound.join(timer, preferences.storedSound, 0);
        });
        QObject::connect(&timers, &TimerList::ended, &sound,
                         [this](Countdown *timer) { sound.leave(timer); });
    }
    MainWindow::Objects objects() { return {alarms, preferences, languageCode}; }
    // The language the windows read at start speak, and with them the tray and the desktop's
    // notifications; none when the file names none.
    std::optional<Language> language() const
    {
        return languageCode ? languageOf(*languageCode) : std::nullopt;
    }

    const std::optional<int> languageCode = settingsfiles::readLanguageCode();
    const settingsfiles::Preferences preferences = settingsfiles::readPreferences();
    AlarmList alarms;
    TimerList timers;
    AlarmSound sound;
    StopwatchSession stopwatch;
    UpdateCheck updates;
    HelpArticles articles;
};
