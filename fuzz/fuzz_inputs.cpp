// Every parser of input from outside the program reads the same bytes: a settings file edited
// by hand, an alarm file and a timers' file edited by hand (each saves and reads back the same
// contents), and the update server's reply. None may crash, hang or disagree with itself.
#include "alarm/alarmfile.h"
#include "settings/settingsfiles.h"
#include "timers/timerfile.h"
#include "updates/updateindicator.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void settingsFile(const QString &path)
{
    const auto word = settingsfiles::readFirstWord(path);
    const auto line = settingsfiles::readFirstLine(path);
    check(word && line && settingsfiles::readInt(path) == settingsfiles::toInt(*word));
    // A token never holds what ends it.
    check(!word->contains(QLatin1Char(' ')) && !line->contains(QLatin1Char('\n')));
}

void alarmFile(const QString &path, const QString &saved)
{
    const alarmfile::Contents read = alarmfile::read(path);
    check(alarmfile::write(read.alarms, saved, read.notes));
    const alarmfile::Contents again = alarmfile::read(saved);
    // What was read is written whole, and reads back the same, with nothing left unread.
    check(again.alarms == read.alarms && again.unreadable.isEmpty() &&
          again.notes.toldAboutBackground == read.notes.toldAboutBackground);
}

void timerFile(const QString &path, const QString &saved)
{
    const QVector<Countdown::Kept> timers = timerfile::read(path);
    // Whole seconds are what the file keeps of a length; a read file holds nothing else.
    check(timerfile::write(timers, saved) && timerfile::read(saved) == timers);
}

void updateReply(const QByteArray &body)
{
    const QString text = updateindicator::indicatorText(body);
    check(!text.contains(QChar(0)));
    const auto verdict = updateindicator::verdict(text, 22);
    check(!updateindicator::verdictText(verdict, Language::Norwegian).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // libFuzzer reads its corpus relative to the working folder, which therefore stays as it is.
    static QTemporaryDir dir;
    // New names each time, and one for each parser's copy: QSettings caches a file it read, and
    // two files of one size written at one path within the file system's timestamp step would
    // otherwise read as the first.
    static unsigned run = 0;
    const QString name = QString::number(++run);
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QFile file(dir.filePath(name + QStringLiteral(".input")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const QString alarms = dir.filePath(name + QStringLiteral(".alarms.ini"));
    const QString timers = dir.filePath(name + QStringLiteral(".timers.ini"));
    settingsFile(file.fileName());
    alarmFile(file.fileName(), alarms);
    timerFile(file.fileName(), timers);
    updateReply(bytes);
    for (const QString &path : {file.fileName(), alarms, timers})
        QFile::remove(path);
    return 0;
}
