#include "app/notifier.h"

#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"
#include "app/notices.h"

#include <QWidget>

namespace {

const Bilingual kStop{"Stop", "Stopp"};

} // namespace

Notifier::Notifier(AlarmList &alarms, std::optional<Language> language, const QWidget &window,
                   Notices &notices)
    : alarms(alarms), language(language), window(window), notices(notices)
{
    connect(&alarms, &AlarmList::rang, this, &Notifier::notify);
    connect(&alarms, &AlarmList::ended, this,
            [this](Alarm *alarm) { this->notices.withdraw(quintptr(alarm)); });
    connect(&notices, &Notices::answered, this, &Notifier::answer);
}

void Notifier::notify(Alarm *alarm)
{
    if (window.isVisible() && !window.isMinimized())
        return;
    const Language shown = language.value_or(Language::English);
    notices.show(quintptr(alarm), alarmnames::name(*alarm, language), alarm->description(),
                 {{QStringLiteral("snooze"), alarmnames::snooze(*alarm, shown)},
                  {QStringLiteral("stop"), kStop.in(shown)}});
}

void Notifier::answer(quintptr key, const QString &action)
{
    auto *alarm = reinterpret_cast<Alarm *>(key);
    if (action.isEmpty())
        emit showRequested();
    else if (action == QLatin1String("snooze"))
        alarms.snooze(alarm);
    else
        alarms.stop(alarm);
}
