#include "alarm/days.h"

#include <QLocale>

namespace days {

namespace {

const Bilingual kEvery{"Every day", "Hver dag"};
const Bilingual kOnceText{"Once", "Én gang"};

// Made once a run: every row of the list asks for several day names.
const QLocale &localeOf(Language language)
{
    static const auto make = [](QLocale::Language spoken) {
        const QLocale system = QLocale::system();
        return system.language() == spoken ? system : QLocale(spoken);
    };
    static const QLocale english = make(QLocale::English);
    static const QLocale norwegian = make(QLocale::NorwegianBokmal);
    return language == Language::English ? english : norwegian;
}

} // namespace

QList<int> week(Language language)
{
    const int first = localeOf(language).firstDayOfWeek();
    QList<int> order;
    for (int i = 0; i < 7; ++i)
        order << (first - 1 + i) % 7 + 1;
    return order;
}

QString shortName(int dayOfWeek, Language language)
{
    return localeOf(language).dayName(dayOfWeek, QLocale::ShortFormat);
}

QString longName(int dayOfWeek, Language language)
{
    return localeOf(language).dayName(dayOfWeek, QLocale::LongFormat);
}

QString describe(Days days, Language language)
{
    if (days == kEveryDay)
        return kEvery.in(language);
    if (days == kOnce)
        return kOnceText.in(language);
    // Runs of three days or more become "first-last". A run across the week's edge is read as
    // one, from the day after the week's last day off, so a weekend stays "Sat, Sun" in a week
    // that starts on Sunday.
    const QList<int> calendar = week(language);
    int from = 6;
    if (days & of(calendar[0])) {
        while (days & of(calendar[from]))
            --from;
    }
    QList<int> order;
    for (int i = 1; i <= 7; ++i)
        order << calendar[(from + i) % 7];
    QStringList parts;
    for (int i = 0; i < 7;) {
        if (!(days & of(order[i]))) {
            ++i;
            continue;
        }
        int end = i;
        while (end + 1 < 7 && (days & of(order[end + 1])))
            ++end;
        if (end - i >= 2) {
            parts << shortName(order[i], language) + QLatin1Char('-') +
                         shortName(order[end], language);
        } else {
            for (int day = i; day <= end; ++day)
                parts << shortName(order[day], language);
        }
        i = end + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString toText(Days days)
{
    QString text;
    for (int day = 1; day <= 7; ++day)
        if (days & of(day))
            text += QChar(u'0' + day);
    return text;
}

std::optional<Days> fromText(const QString &text)
{
    Days days = kOnce;
    for (const QChar c : text) {
        const int day = c.digitValue();
        if (day < 1 || day > 7)
            return std::nullopt;
        days |= of(day);
    }
    return days;
}

} // namespace days
