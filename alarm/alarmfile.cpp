#include "alarm/alarmfile.h"

#include "alarm/initext.h"
#include "kit/textfile.h"

#include <QFileInfo>
#include <QMap>
#include <QSettings>

#include <algorithm>

namespace alarmfile {

namespace {

const QString kList = QStringLiteral("alarms");
const QString kSize = QStringLiteral("size");
const QString kTime = QStringLiteral("time");
const QString kReason = QStringLiteral("reason");
const QString kDescription = QStringLiteral("description");
const QString kArmed = QStringLiteral("armed");
const QString kSound = QStringLiteral("sound");
const QString kDays = QStringLiteral("days");
const QString kSnooze = QStringLiteral("snooze");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

std::optional<QString> text(const QSettings &file, const QString &key)
{
    const QVariant value = file.value(key);
    return value.type() == QVariant::String ? std::optional<QString>(value.toString())
                                            : std::nullopt;
}

std::optional<int> number(const QSettings &file, const QString &key)
{
    bool isNumber = false;
    const int value = file.value(key).toString().toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

// The alarm in the file's current group.
AlarmSettings readOne(const QSettings &file)
{
    AlarmSettings alarm;
    const QTime time = QTime::fromString(file.value(kTime).toString(), kTimeFormat);
    if (time.isValid())
        alarm.time = time;
    const int reason = number(file, kReason).value_or(alarm.reason);
    if (reason >= 0 && reason < AlarmSettings::kReasons)
        alarm.reason = reason;
    alarm.description = text(file, kDescription).value_or(QString());
    const QString armed = file.value(kArmed).toString();
    if (armed == QLatin1String("true") || armed == QLatin1String("false"))
        alarm.armed = armed == QLatin1String("true");
    alarm.sound = text(file, kSound).value_or(QString());
    if (const auto days = text(file, kDays))
        alarm.days = days::fromText(*days).value_or(alarm.days);
    const int snooze = number(file, kSnooze).value_or(alarm.snoozeMinutes);
    if (snooze >= AlarmSettings::kMinSnoozeMinutes && snooze <= AlarmSettings::kMaxSnoozeMinutes)
        alarm.snoozeMinutes = snooze;
    return alarm;
}

} // namespace

QVector<AlarmSettings> read(const QString &path)
{
    // A FIFO at the path would block the start.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxBytes)
        return {};
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    if (!file.childGroups().contains(kList))
        return file.allKeys().isEmpty() ? QVector<AlarmSettings>()
                                        : QVector<AlarmSettings>{readOne(file)};
    // The alarms the file holds, by their number, up to its size: never more than it holds,
    // whatever size it claims.
    file.beginGroup(kList);
    const int size = number(file, kSize).value_or(0);
    QVector<int> numbers;
    const QStringList groups = file.childGroups();
    for (const QString &group : groups) {
        bool isNumber = false;
        const int at = group.toInt(&isNumber);
        if (isNumber && at >= 1 && at <= size && group == QString::number(at))
            numbers << at;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.resize(std::min(numbers.size(), kListedAlarms));
    QVector<AlarmSettings> alarms;
    for (const int at : qAsConst(numbers)) {
        file.beginGroup(QString::number(at));
        alarms << readOne(file);
        file.endGroup();
    }
    return alarms;
}

bool write(const QVector<AlarmSettings> &alarms, const QString &path)
{
    // The program leaves creating the folder to its user.
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        return false;
    // Written by hand in the form QSettings reads, since Qt 5's INI writer drops every
    // character outside the Basic Multilingual Plane; keys in QSettings' own order, which
    // compares them as paths ("1/time" before "10/time") and writes "/" as "\".
    QMap<QString, QByteArray> lines;
    for (int i = 0; i < alarms.size(); ++i) {
        const AlarmSettings &alarm = alarms[i];
        const QString prefix = QString::number(i + 1) + QLatin1Char('/');
        const auto line = [&](const QString &key, const QByteArray &value) {
            lines.insert(prefix + key, value);
        };
        if (alarm.armed)
            line(kArmed, *alarm.armed ? "true" : "false");
        line(kDays, days::toText(alarm.days).toLatin1());
        line(kDescription, initext::quoted(alarm.description));
        line(kReason, QByteArray::number(alarm.reason));
        line(kSnooze, QByteArray::number(alarm.snoozeMinutes));
        // An alarm without a sound of its own plays the list's default, whatever that becomes.
        if (!alarm.sound.isEmpty())
            line(kSound, initext::quoted(alarm.sound));
        line(kTime, alarm.time.toString(kTimeFormat).toLatin1());
    }
    lines.insert(kSize, QByteArray::number(alarms.size()));
    QByteArray ini = '[' + kList.toLatin1() + "]\n";
    for (auto line = lines.cbegin(); line != lines.cend(); ++line)
        ini += line.key().toLatin1().replace('/', '\\') + '=' + line.value() + '\n';
    // A list too long to be read again would be lost at the next start.
    return ini.size() <= kMaxBytes && textfile::writeAtomically(path, ini);
}

} // namespace alarmfile
