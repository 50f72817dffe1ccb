// What comes from outside (hand-edited settings and alarm files, the
// indicator's body) must read as some value, the same from a file as from text,
// and an alarm read from any file must save and read back unchanged.
#include "alarm/alarmfile.h"
#include "settings/settingsfiles.h"
#include "updates/updateindicator.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace settingsfiles;
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString decoded = QTextCodec::codecForLocale()->toUnicode(bytes);
    // A copy of exactly the text's size puts its end where the sanitizer looks.
    const QString text(decoded.constData(), decoded.size());
    const QString word = firstWord(text);
    const QString line = firstLine(text);
    bool ok = false;
    const int value = toInt(word);
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); }) ||
        line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')) ||
        (value && (word.toLongLong(&ok) != value || !ok)))
        std::abort();

    const QString path = dir.filePath(QStringLiteral("value.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const auto fileWord = readFirstWord(path);
    if (!fileWord || !readInt(path) || !readFirstLine(path))
        std::abort();
    // A byte-order mark may switch the stream's decoding; plain text reads as decoded.
    if (!bytes.startsWith("\xff") && !bytes.startsWith("\xfe") && !bytes.startsWith("\xef") &&
        !bytes.startsWith(QByteArray("\0", 1)) &&
        QTextCodec::codecForLocale()->fromUnicode(text) == bytes && *fileWord != word)
        std::abort();

    const alarmfile::Alarm alarm = alarmfile::read(path);
    const QString saved = dir.filePath(QStringLiteral("saved.ini"));
    const alarmfile::Alarm again =
        alarmfile::write(alarm, saved) ? alarmfile::read(saved) : alarmfile::Alarm();
    if (again.time != alarm.time || again.reason != alarm.reason ||
        again.description != alarm.description || again.armed != alarm.armed)
        std::abort();

    const QString indicator = updateindicator::indicatorText(bytes);
    const int zero = bytes.indexOf('\0');
    const auto version = updateindicator::versionOf(indicator);
    if (indicator != QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero)) ||
        (version && *version != toInt(indicator)))
        std::abort();
    return 0;
}
