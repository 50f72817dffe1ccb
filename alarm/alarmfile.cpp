#include "alarm/alarmfile.h"

#include "alarm/initext.h"
#include "kit/textfile.h"

#include <QFileInfo>
#include <QSettings>

namespace alarmfile {

namespace {

const QString kTime = QStringLiteral("time");
const QString kReason = QStringLiteral("reason");
const QString kDescription = QStringLiteral("description");
const QString kArmed = QStringLiteral("armed");
const QString kSound = QStringLiteral("sound");
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

} // namespace

Alarm read(const QString &path)
{
    Alarm alarm;
    // A FIFO at the path would block the start.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxBytes)
        return alarm;
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    const QTime time = QTime::fromString(file.value(kTime).toString(), kTimeFormat);
    if (time.isValid())
        alarm.time = time;
    bool isNumber = false;
    const int reason = file.value(kReason).toString().toInt(&isNumber);
    if (isNumber)
        alarm.reason = reason;
    const QVariant description = file.value(kDescription);
    if (description.type() == QVariant::String)
        alarm.description = description.toString();
    const QString armed = file.value(kArmed).toString();
    if (armed == QLatin1String("true") || armed == QLatin1String("false"))
        alarm.armed = armed == QLatin1String("true");
    const QVariant sound = file.value(kSound);
    if (sound.type() == QVariant::String)
        alarm.sound = sound.toString();
    return alarm;
}

bool write(const Alarm &alarm, const QString &path)
{
    // The program leaves creating the folder to its user.
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        return false;
    // Written by hand in the form QSettings reads, since Qt 5's INI writer drops every
    // character outside the Basic Multilingual Plane; keys in QSettings' own order.
    QByteArray ini = "[General]\n";
    const auto line = [&ini](const QString &key, const QByteArray &value) {
        ini += key.toLatin1() + '=' + value + '\n';
    };
    if (alarm.armed)
        line(kArmed, *alarm.armed ? "true" : "false");
    if (alarm.description)
        line(kDescription, initext::quoted(*alarm.description));
    if (alarm.reason)
        line(kReason, QByteArray::number(*alarm.reason));
    if (alarm.sound)
        line(kSound, initext::quoted(*alarm.sound));
    if (alarm.time)
        line(kTime, alarm.time->toString(kTimeFormat).toLatin1());
    return textfile::writeAtomically(path, ini);
}

} // namespace alarmfile
