#include "alarm/alarmfile.h"

#include "kit/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace alarmfile {

namespace {

const QString kTime = QStringLiteral("time");
const QString kReason = QStringLiteral("reason");
const QString kDescription = QStringLiteral("description");
const QString kArmed = QStringLiteral("armed");
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
    if (isNumber && reason >= 0)
        alarm.reason = reason;
    const QVariant description = file.value(kDescription);
    if (description.type() == QVariant::String)
        alarm.description = description.toString();
    const QString armed = file.value(kArmed).toString();
    if (armed == QLatin1String("true") || armed == QLatin1String("false"))
        alarm.armed = armed == QLatin1String("true");
    return alarm;
}

bool write(const Alarm &alarm, const QString &path)
{
    // QSettings would create the folder; the program leaves that to its user.
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        return false;
    // QSettings locks the file it writes, and a crash while it holds the lock would
    // block the next save for half a minute: it writes into a folder of its own, and
    // the result replaces the file in one step.
    const QTemporaryDir scratch;
    const QString draft = scratch.filePath(QStringLiteral("alarm.ini"));
    {
        QSettings file(draft, QSettings::IniFormat);
        file.setIniCodec("UTF-8");
        if (alarm.time)
            file.setValue(kTime, alarm.time->toString(kTimeFormat));
        if (alarm.reason)
            file.setValue(kReason, *alarm.reason);
        if (alarm.description)
            file.setValue(kDescription, *alarm.description);
        if (alarm.armed)
            file.setValue(kArmed, *alarm.armed);
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
    }
    QFile written(draft);
    return written.open(QIODevice::ReadOnly) && textfile::writeAtomically(path, written.readAll());
}

} // namespace alarmfile
