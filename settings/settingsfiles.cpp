#include "settings/settingsfiles.h"

#include "kit/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <QTextStream>

namespace settingsfiles {

namespace {

std::optional<QString> readText(const QString &path)
{
    // A FIFO or device at the path would block or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    // Not QIODevice::Text: Qt's text mode drops every CR, gluing "1\r2" into "12";
    // the token rules treat CR and CR LF as terminators themselves.
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QTextStream stream(&file);
    return stream.read(kReadLimit);
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

QString firstWord(const QString &text)
{
    int begin = 0;
    while (begin < text.size() && text.at(begin).isSpace())
        ++begin;
    int end = begin;
    while (end < text.size() && !text.at(end).isSpace())
        ++end;
    return text.mid(begin, end - begin);
}

QString firstLine(const QString &text)
{
    int end = 0;
    while (end < text.size() && !isLineEnd(text.at(end)))
        ++end;
    return text.left(end);
}

int toInt(const QString &token)
{
    bool ok = false;
    const int value = token.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

std::optional<QString> readFirstWord(const QString &path)
{
    const auto text = readText(path);
    if (!text)
        return std::nullopt;
    return firstWord(*text);
}

std::optional<QString> readFirstLine(const QString &path)
{
    const auto text = readText(path);
    if (!text)
        return std::nullopt;
    return firstLine(*text);
}

std::optional<int> readInt(const QString &path)
{
    const auto word = readFirstWord(path);
    if (!word)
        return std::nullopt;
    return toInt(*word);
}

std::optional<int> readLanguageCode(Token token)
{
    const auto text =
        token == Token::FirstWord ? readFirstWord(kLanguage) : readFirstLine(kLanguage);
    if (!text)
        return std::nullopt;
    return toInt(*text);
}

std::optional<Language> readLanguage(std::optional<Language> kept)
{
    const auto code = readLanguageCode();
    return code ? languageOf(*code) : kept;
}

Preferences readPreferences()
{
    Preferences preferences;
    if (const auto path = readFirstLine(kStoredAudio))
        preferences.storedSound = *path;
    if (const auto volume = readInt(kVolume))
        preferences.volume = *volume;
    if (const auto flag = readInt(kTooltips))
        preferences.tooltips = *flag != 0;
    return preferences;
}

bool writeValue(const QString &path, const QString &text)
{
    // An unencodable character would be written as '?': a different path, not a saved one.
    return QTextCodec::codecForLocale()->canEncode(text) && textfile::writeAtomically(path, text);
}

} // namespace settingsfiles
