#pragma once

#include "kit/bilingual.h"

#include <QList>
#include <QString>

#include <optional>

// The weekdays an alarm rings on, one bit per day, Monday the lowest (Qt's day numbers 1 to 7).
// No day at all is an alarm that rings once, at the next occurrence of its time.
namespace days {

using Days = quint8;

inline constexpr Days kOnce = 0;
inline constexpr Days kEveryDay = 0x7f;

inline constexpr Days of(int dayOfWeek)
{
    return Days(1u << (dayOfWeek - 1));
}

// Whether an alarm on these days rings on the given day (1 Monday to 7 Sunday).
inline constexpr bool ringsOn(Days days, int dayOfWeek)
{
    return (days & kEveryDay) == kOnce || (days & of(dayOfWeek)) != 0;
}

// The seven days in the order the language's calendar shows a week: from Sunday in English
// (as in the United States), from Monday in Norwegian, unless the system's own locale speaks
// the language and starts its week elsewhere.
QList<int> week(Language language);

// The day's short name in the language: "Mon", "man.".
QString shortName(int dayOfWeek, Language language);

// The day's full name in the language: "Monday", "mandag".
QString longName(int dayOfWeek, Language language);

// The days in a few words: "Every day", "Once", "Mon-Fri", "Sat, Sun".
QString describe(Days days, Language language);

// As the alarm file keeps them: the day numbers in order ("12345"), empty for once; a text
// that is not such a list gives nothing.
QString toText(Days days);
std::optional<Days> fromText(const QString &text);

} // namespace days
