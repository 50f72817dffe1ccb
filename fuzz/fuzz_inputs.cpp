// An alarm file edited by hand reads as some alarm, which saves and reads back the same.
#include "alarm/alarmfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("input")));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    const alarmfile::Alarm alarm = alarmfile::read(file.fileName());
    const QString saved = dir.filePath(QStringLiteral("saved.ini"));
    const alarmfile::Alarm again =
        alarmfile::write(alarm, saved) ? alarmfile::read(saved) : alarmfile::Alarm();
    if (again.time != alarm.time || again.reason != alarm.reason ||
        again.description != alarm.description || again.armed != alarm.armed ||
        again.sound != alarm.sound)
        std::abort();
    return 0;
}
