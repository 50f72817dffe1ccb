#include "alarm/alarmnames.h"

#include "alarm/alarm.h"

#include <QStringList>

namespace alarmnames {

namespace {

const Bilingual kReasons[AlarmSettings::kReasons] = {{"Alarm Clock", "Vekkerklokke"},
                                                     {"Reminder", "Påminnelse"}};
const Bilingual kSnooze{"Snooze %1 minutes", "Slumre %1 minutter"};
const Bilingual kSnoozeOne{"Snooze 1 minute", "Slumre 1 minutt"};
const Bilingual kNextAlarm{"Next alarm: %1 %2, %3", "Neste alarm: %1 %2, %3"};
const Bilingual kArmedRow{"On", "På"};
const Bilingual kDisarmedRow{"Off", "Av"};

QString hoursAndMinutes(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

} // namespace

QString reason(int reason, std::optional<Language> language)
{
    return language && reason >= 0 && reason < AlarmSettings::kReasons
               ? kReasons[reason].in(*language)
               : QString();
}

QString time(const Alarm &alarm)
{
    return alarm.time().toString(QStringLiteral("hh:mm:ss"));
}

QString name(const Alarm &alarm, std::optional<Language> language)
{
    return reason(alarm.reason(), language) + QLatin1Char(' ') + hoursAndMinutes(alarm.time());
}

QString snooze(const Alarm &alarm, Language language)
{
    const int minutes = alarm.snoozeMinutes();
    return minutes == 1 ? kSnoozeOne.in(language) : kSnooze.in(language).arg(minutes);
}

QString row(const Alarm &alarm, std::optional<Language> language)
{
    const Language shown = language.value_or(Language::English);
    return QStringList{time(alarm), days::describe(alarm.days(), shown),
                       reason(alarm.reason(), language),
                       (alarm.isArmed() ? kArmedRow : kDisarmedRow).in(shown)}
        .join(QStringLiteral("  ·  "));
}

QString next(const Alarm &alarm, const QDateTime &at, std::optional<Language> language)
{
    const Language shown = language.value_or(Language::English);
    return kNextAlarm.in(shown).arg(days::shortName(at.date().dayOfWeek(), shown),
                                    hoursAndMinutes(at.time()), reason(alarm.reason(), language));
}

} // namespace alarmnames
