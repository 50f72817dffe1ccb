#include "settings/settingsfiles.h"

#include <QFile>
#include <QTextStream>

namespace settingsfiles {

namespace {

// Reads a whole settings file as text in the locale's encoding.
std::optional<QString> readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream stream(&file);
    return stream.readAll();
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
    while (end < text.size() && text.at(end) != QLatin1Char('\n') &&
           text.at(end) != QLatin1Char('\r'))
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

} // namespace settingsfiles
