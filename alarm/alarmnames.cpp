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
const Bilingual kMissed{"Missed alarm: %1 %2, %3", "Tapt alarm: %1 %2, %3"};
const Bilingual kSkips{"skips %1 %2", "hopper over %1 %2"};
const Bilingual kArmedRow{"On", "På"};
const Bilingual kDisarmedRow{"Off", "Av"};

QString hoursAndMinutes(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

// A moment as a day of the week and a time: "Mon 07:00".
QStringList when(const QDateTime &at, Language language)
{
    return {days::shortName(at.date().dayOfWeek(), language), hoursAndMinutes(at.time())};
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
    QStringList fields{time(alarm), days::describe(alarm.days(), shown),
                       reason(alarm.reason(), language),
                       (alarm.isArmed() ? kArmedRow : kDisarmedRow).in(shown)};
    if (const QDateTime skipped = alarm.skippedRing(); skipped.isValid()) {
        const QStringList at = when(skipped, shown);
        fields << kSkips.in(shown).arg(at[0], at[1]);
    }
    return fields.join(QStringLiteral("  ·  "));
}

QString next(const Alarm &alarm, const QDateTime &at, std::optional<Language> language)
{
    const Language shown = language.value_or(Language::English);
    const QStringList day = when(at, shown);
    return kNextAlarm.in(shown).arg(day[0], day[1], reason(alarm.reason(), language));
}

QString missed(const Alarm &alarm, const QDateTime &due, std::optional<Language> language)
{
    const Language shown = language.value_or(Language::English);
    const QStringList day = when(due, shown);
    return kMissed.in(shown).arg(day[0], day[1], reason(alarm.reason(), language));
}

} // namespace alarmnames
