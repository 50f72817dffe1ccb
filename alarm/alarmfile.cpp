#include "alarm/alarmfile.h"

#include "kit/initext.h"
#include "kit/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QTextCodec>

#include <algorithm>

namespace alarmfile {

namespace {

const QString kList = QStringLiteral("alarms");
const QString kProgram = QStringLiteral("program");
const QString kSize = QStringLiteral("size");
const QString kTime = QStringLiteral("time");
const QString kReason = QStringLiteral("reason");
const QString kDescription = QStringLiteral("description");
const QString kArmed = QStringLiteral("armed");
const QString kSound = QStringLiteral("sound");
const QString kDays = QStringLiteral("days");
const QString kSnooze = QStringLiteral("snooze");
const QString kFade = QStringLiteral("fade");
const QString kSkip = QStringLiteral("skip");
const QString kToldAboutBackground = QStringLiteral("toldAboutBackground");
const QString kLastCheck = QStringLiteral("lastCheck");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

std::optional<int> number(const QSettings &file, const QString &key)
{
    bool isNumber = false;
    const int value = file.value(key).toString().toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

// Reads the alarm in the file's current group, whose keys the file writes after prefix ("1\\"),
// and notes each value it holds that cannot be read.
class AlarmReader
{
public:
    AlarmReader(const QSettings &file, const QString &prefix, QStringList &unreadable)
        : file(file), prefix(prefix), unreadable(unreadable)
    {
    }

    AlarmSettings read()
    {
        AlarmSettings alarm;
        if (const auto time = text(kTime)) {
            const QTime read = QTime::fromString(*time, kTimeFormat);
            check(kTime, read.isValid(), [&] { alarm.time = read; });
        }
        if (const auto days = text(kDays)) {
            const auto read = days::fromText(*days);
            check(kDays, read.has_value(), [&] { alarm.days = *read; });
        }
        if (file.contains(kReason)) {
            const int reason = number(file, kReason).value_or(-1);
            check(kReason, reason >= 0 && reason < AlarmSettings::kReasons,
                  [&] { alarm.reason = reason; });
        }
        if (const auto description = text(kDescription))
            alarm.description = *description;
        if (const auto armed = text(kArmed)) {
            check(kArmed, *armed == QLatin1String("true") || *armed == QLatin1String("false"),
                  [&] { alarm.armed = *armed == QLatin1String("true"); });
        }
        if (const auto sound = text(kSound))
            alarm.sound = *sound;
        if (file.contains(kSnooze)) {
            const int snooze = number(file, kSnooze).value_or(0);
            check(kSnooze,
                  snooze >= AlarmSettings::kMinSnoozeMinutes &&
                      snooze <= AlarmSettings::kMaxSnoozeMinutes,
                  [&] { alarm.snoozeMinutes = snooze; });
        }
        if (file.contains(kFade)) {
            const int fade = number(file, kFade).value_or(-1);
            check(kFade, fade >= 0 && fade <= AlarmSettings::kMaxFadeSeconds,
                  [&] { alarm.fadeSeconds = fade; });
        }
        if (const auto skip = text(kSkip)) {
            const QDate read = QDate::fromString(*skip, Qt::ISODate);
            check(kSkip, read.isValid(), [&] { alarm.skip = read; });
        }
        // Nobody set it for midnight: an alarm whose time is lost does not ring then.
        if (timeLost && alarm.armed)
            alarm.armed = false;
        return alarm;
    }

private:
    // The key's text; a value QSettings reads as a list (for a comma) or as nothing (for a
    // typed value it does not know) cannot be read, and neither can a key the file lacks.
    std::optional<QString> text(const QString &key)
    {
        if (!file.contains(key))
            return std::nullopt;
        const QVariant value = file.value(key);
        const bool isText = value.type() != QVariant::StringList && value.canConvert<QString>();
        check(key, isText, [] {});
        return isText ? std::optional<QString>(value.toString()) : std::nullopt;
    }

    template <typename Take> void check(const QString &key, bool readable, Take take)
    {
        if (readable) {
            take();
            return;
        }
        const QVariant value = file.value(key);
        unreadable << prefix + key + QLatin1Char('=') +
                          (value.type() == QVariant::StringList
                               ? value.toStringList().join(QStringLiteral(", "))
                               : value.toString());
        timeLost |= key == kTime;
    }

    const QSettings &file;
    const QString prefix;
    QStringList &unreadable;
    bool timeLost = false;
};

// Whether the bytes are UTF-8 text, as the writer writes it.
bool isText(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && !bytes.contains('\0');
}

} // namespace

Contents read(const QString &path)
{
    Contents contents;
    // A FIFO at the path would block the start.
    const QFileInfo info(path);
    if (!info.isFile())
        return contents;
    QFile raw(path);
    if (info.size() > kMaxBytes || !raw.open(QIODevice::ReadOnly)) {
        contents.damaged = true;
        return contents;
    }
    const QByteArray bytes = raw.readAll();
    raw.close();
    if (bytes.trimmed().isEmpty())
        return contents;
    // QSettings decodes the whole file as it opens it: what it must not decode is looked for
    // first.
    if (!isText(bytes) || initext::holdsStreamedValue(bytes)) {
        contents.damaged = true;
        return contents;
    }
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    if (file.status() != QSettings::NoError) {
        contents.damaged = true;
        return contents;
    }
    file.beginGroup(kProgram);
    contents.notes.toldAboutBackground =
        file.value(kToldAboutBackground).toString() == QLatin1String("true");
    contents.notes.lastCheck =
        QDateTime::fromString(file.value(kLastCheck).toString(), Qt::ISODateWithMs);
    file.endGroup();
    if (!file.childGroups().contains(kList)) {
        const QStringList keys = file.childKeys();
        const bool isAlarm = std::any_of(keys.begin(), keys.end(), [](const QString &key) {
            return QStringList{kTime, kReason, kDescription, kArmed, kSound, kDays, kSnooze}
                .contains(key);
        });
        if (isAlarm)
            contents.alarms << AlarmReader(file, QString(), contents.unreadable).read();
    } else {
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
        for (const int at : qAsConst(numbers)) {
            const QString group = QString::number(at);
            file.beginGroup(group);
            contents.alarms
                << AlarmReader(file, group + QLatin1Char('\\'), contents.unreadable).read();
            file.endGroup();
        }
    }
    // Text, but nothing an alarm is made of.
    contents.damaged = contents.alarms.isEmpty();
    return contents;
}

bool write(const QVector<AlarmSettings> &alarms, const QString &path, const Notes &notes)
{
    // The program leaves creating the folder to its user.
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        return false;
    // Written by hand in the form QSettings reads, since Qt 5's INI writer drops every
    // character outside the Basic Multilingual Plane.
    QVector<QMap<QString, QByteArray>> items;
    for (const AlarmSettings &alarm : alarms) {
        QMap<QString, QByteArray> keys;
        if (alarm.armed)
            keys.insert(kArmed, *alarm.armed ? "true" : "false");
        keys.insert(kDays, days::toText(alarm.days).toLatin1());
        keys.insert(kDescription, initext::quoted(alarm.description));
        // Only where they differ from what the alarms of earlier releases did.
        if (alarm.fadeSeconds != 0)
            keys.insert(kFade, QByteArray::number(alarm.fadeSeconds));
        if (alarm.skip.isValid())
            keys.insert(kSkip, alarm.skip.toString(Qt::ISODate).toLatin1());
        keys.insert(kReason, QByteArray::number(alarm.reason));
        keys.insert(kSnooze, QByteArray::number(alarm.snoozeMinutes));
        // An alarm without a sound of its own plays the list's default, whatever that becomes.
        if (!alarm.sound.isEmpty())
            keys.insert(kSound, initext::quoted(alarm.sound));
        keys.insert(kTime, alarm.time.toString(kTimeFormat).toLatin1());
        items << keys;
    }
    QByteArray ini = initext::array(kList, items);
    // Only what there is to keep, so a file without notes keeps the bytes it had.
    QByteArray program;
    if (notes.lastCheck.isValid())
        program += kLastCheck.toLatin1() + '=' +
                   notes.lastCheck.toString(Qt::ISODateWithMs).toLatin1() + '\n';
    if (notes.toldAboutBackground)
        program += kToldAboutBackground.toLatin1() + "=true\n";
    if (!program.isEmpty())
        ini += "\n[" + kProgram.toLatin1() + "]\n" + program;
    // A list too long to be read again would be lost at the next start.
    return ini.size() <= kMaxBytes && textfile::writeAtomically(path, ini);
}

QString setAside(const QString &path, const QDate &today)
{
    const QString base = path + QStringLiteral(".damaged-") + today.toString(Qt::ISODate);
    QString aside = base;
    for (int copy = 2; QFileInfo::exists(aside); ++copy)
        aside = base + QLatin1Char('-') + QString::number(copy);
    return QFile::rename(path, aside) ? aside : QString();
}

} // namespace alarmfile
