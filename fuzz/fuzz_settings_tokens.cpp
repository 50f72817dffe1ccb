// Settings files are edited by hand: any bytes must read as some value,
// and the file readers must agree with the token rules on decoded text.
#include "settings/settingsfiles.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <cstdint>
#include <cstdlib>

namespace {

bool hasSpace(const QString &text)
{
    for (const QChar c : text)
        if (c.isSpace())
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString decoded = QTextCodec::codecForLocale()->toUnicode(bytes);
    // Decoding leaves spare capacity, where a read past the end goes unseen;
    // a copy of exactly the text's size puts the end where the sanitizer looks.
    const QString text(decoded.constData(), decoded.size());

    const QString word = settingsfiles::firstWord(text);
    const QString line = settingsfiles::firstLine(text);
    if (hasSpace(word) || line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
        std::abort();

    const int value = settingsfiles::toInt(word);
    bool ok = false;
    if (value != 0 && (word.trimmed().toLongLong(&ok) != value || !ok))
        std::abort();

    const QString path = dir.filePath(QStringLiteral("value.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(bytes);
    file.close();
    const auto fileWord = settingsfiles::readFirstWord(path);
    const auto fileInt = settingsfiles::readInt(path);
    if (!fileWord || !fileInt || settingsfiles::readFirstLine(path) == std::nullopt)
        std::abort();
    // Text mode turns CR LF into LF, a byte-order mark may switch the stream's
    // decoding, and a broken sequence may decode differently in chunks; a
    // plain, well-encoded file must read exactly as its text.
    const bool plain = !bytes.contains('\r') && !bytes.startsWith("\xff") &&
                       !bytes.startsWith("\xfe") && !bytes.startsWith("\xef") &&
                       !bytes.startsWith(QByteArray("\0", 1)) &&
                       QTextCodec::codecForLocale()->fromUnicode(text) == bytes;
    if (plain && (*fileWord != word || *fileInt != value))
        std::abort();
    return 0;
}
