#include "app/notifier.h"

#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"
#include "app/notices.h"
#include "timers/timerlist.h"
#include "timers/timernames.h"

#include <QWidget>

namespace {

const Bilingual kStop{"Stop", "Stopp"};

} // namespace

Notifier::Notifier(AlarmList &alarms, TimerList &timers, std::optional<Language> language,
                   const QWidget &window, Notices &notices)
    : alarms(alarms), timers(timers), language(language), window(window), notices(notices)
{
    connect(&alarms, &AlarmList::rang, this, &Notifier::notify);
    // Missed while Tivora was not running: nothing to answer, only to know.
    connect(&alarms, &AlarmList::missed, this, [this](Alarm *alarm, const QDateTime &due) {
        if (away())
            this->notices.show(quintptr(alarm), alarmnames::missed(*alarm, due, this->language),
                               alarm->description(), {});
    });
    connect(&alarms, &AlarmList::ended, this,
            [this](Alarm *alarm) { this->notices.withdraw(quintptr(alarm)); });
    connect(&timers, &TimerList::rang, this, &Notifier::notifyEnd);
    connect(&timers, &TimerList::ended, this,
            [this](Countdown *timer) { this->notices.withdraw(quintptr(timer)); });
    connect(&notices, &Notices::answered, this, &Notifier::answer);
}

bool Notifier::away() const
{
    return !window.isVisible() || window.isMinimized();
}

void Notifier::notifyEnd(Countdown *timer)
{
    if (!away())
        return;
    const Language shown = language.value_or(Language::English);
    notices.show(quintptr(timer), timernames::timeIsUp(shown), timernames::name(*timer, shown),
                 {{QStringLiteral("stop"), kStop.in(shown)}});
}

void Notifier::notify(Alarm *alarm, bool withSound)
{
    if (!away())
        return;
    const Language shown = language.value_or(Language::English);
    // Too late for its sound, the ring is named as missed.
    notices.show(quintptr(alarm),
                 withSound ? alarmnames::name(*alarm, language)
                           : alarmnames::missed(*alarm, alarm->lastDue(), language),
                 alarm->description(),
                 {{QStringLiteral("snooze"), alarmnames::snooze(*alarm, shown)},
                  {QStringLiteral("stop"), kStop.in(shown)}});
}

void Notifier::answer(quintptr key, const QString &action)
{
    // The key names an alarm or a timer; each list answers only a ring of its own.
    auto *alarm = reinterpret_cast<Alarm *>(key);
    if (action.isEmpty()) {
        emit showRequested();
    } else if (action == QLatin1String("snooze")) {
        alarms.snooze(alarm);
    } else {
        alarms.stop(alarm);
        timers.stop(reinterpret_cast<Countdown *>(key));
    }
}
