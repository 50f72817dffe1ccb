#include "timers/timerfile.h"

#include "kit/initext.h"
#include "kit/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace timerfile {

namespace {

const QString kList = QStringLiteral("timers");
const QString kLabel = QStringLiteral("label");
const QString kLength = QStringLiteral("length");
const QString kState = QStringLiteral("state");
const QString kEnds = QStringLiteral("ends");
const QString kLeft = QStringLiteral("left");
// A handful of timers fits in a few kilobytes; a file this large is not one of them.
constexpr qint64 kMaxBytes = 1024 * 1024;

const char *stateName(Countdown::State state)
{
    switch (state) {
    case Countdown::State::Running:
        return "running";
    case Countdown::State::Paused:
        return "paused";
    case Countdown::State::Stopped:
        break;
    }
    return "stopped";
}

} // namespace

QVector<Countdown::Kept> read(const QString &path)
{
    // A FIFO at the path would block the start.
    const QFileInfo info(path);
    QFile raw(path);
    if (!info.isFile() || info.size() > kMaxBytes || !raw.open(QIODevice::ReadOnly) ||
        initext::holdsStreamedValue(raw.readAll()))
        return {};
    raw.close();
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    QVector<Countdown::Kept> timers;
    const int size = qMin(file.beginReadArray(kList), 100);
    for (int i = 0; i < size; ++i) {
        file.setArrayIndex(i);
        Countdown::Kept timer;
        bool isNumber = false;
        timer.lengthMs = file.value(kLength).toString().toLongLong(&isNumber) * 1000;
        if (!isNumber || timer.lengthMs <= 0 || timer.lengthMs > Countdown::kMaxLengthMs)
            continue;
        timer.label = file.value(kLabel).toString();
        const QString state = file.value(kState).toString();
        if (state == QLatin1String(stateName(Countdown::State::Running))) {
            // An end outside the years an ISO date holds, once in UTC as the file keeps it,
            // could not be saved again.
            const QDateTime ends =
                QDateTime::fromString(file.value(kEnds).toString(), Qt::ISODateWithMs).toUTC();
            if (ends.isValid() && ends.date().year() >= 1 && ends.date().year() <= 9999) {
                timer.state = Countdown::State::Running;
                timer.endsAt = ends;
            }
        } else if (state == QLatin1String(stateName(Countdown::State::Paused))) {
            // Time left that cannot be read makes the timer stopped, with none kept: the file
            // saved from it reads back as the same timer.
            const qint64 left = file.value(kLeft).toString().toLongLong(&isNumber);
            if (isNumber && left >= 0 && left <= timer.lengthMs) {
                timer.state = Countdown::State::Paused;
                timer.leftMs = left;
            }
        }
        timers << timer;
    }
    file.endArray();
    return timers;
}

bool write(const QVector<Countdown::Kept> &timers, const QString &path)
{
    // The program leaves creating the folder to its user.
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        return false;
    QVector<QMap<QString, QByteArray>> items;
    for (const Countdown::Kept &timer : timers) {
        QMap<QString, QByteArray> keys{{kLabel, initext::quoted(timer.label)},
                                       {kLength, QByteArray::number(timer.lengthMs / 1000)},
                                       {kState, stateName(timer.state)}};
        if (timer.state == Countdown::State::Running)
            keys.insert(kEnds, timer.endsAt.toUTC().toString(Qt::ISODateWithMs).toLatin1());
        else if (timer.state == Countdown::State::Paused)
            keys.insert(kLeft, QByteArray::number(timer.leftMs));
        items << keys;
    }
    return textfile::writeAtomically(path, initext::array(kList, items));
}

} // namespace timerfile
