#include "kit/initext.h"

namespace initext {

namespace {

bool isHexDigit(QChar c)
{
    return c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Half of a surrogate pair without its other half, which UTF-8 cannot hold.
bool isLoneHalf(const QString &text, int i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
    return c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
}

// The escape QSettings unescapes for a character, or nothing for one written as it is.
QByteArray escape(const QString &text, int i, bool afterHex)
{
    const QChar c = text[i];
    switch (c.unicode()) {
    case '\\':
        return "\\\\";
    case '"':
        return "\\\"";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        break;
    }
    // A hex escape reads every hex digit after it, so a digit there is escaped too.
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || isLoneHalf(text, i) ||
        (afterHex && isHexDigit(c)))
        return "\\x" + QByteArray::number(c.unicode(), 16);
    return {};
}

} // namespace

QByteArray quoted(const QString &text)
{
    // QSettings reads a leading "@" as the start of a typed value; "@@" is a plain "@".
    const QString value = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray out;
    bool afterHex = false;
    int plainFrom = 0;
    for (int i = 0; i < value.size(); ++i) {
        const QByteArray escaped = escape(value, i, afterHex);
        if (escaped.isEmpty()) {
            afterHex = false;
            continue;
        }
        out += value.mid(plainFrom, i - plainFrom).toUtf8() + escaped;
        plainFrom = i + 1;
        afterHex = escaped.startsWith("\\x");
    }
    out += value.mid(plainFrom).toUtf8();
    // Quoted only where QSettings itself quotes, so a plain text keeps the bytes it always had.
    const bool needsQuotes = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char(',')) ||
                             value.contains(QLatin1Char('=')) ||
                             value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    return needsQuotes ? '"' + out + '"' : out;
}

QByteArray array(const QString &group, const QVector<QMap<QString, QByteArray>> &items)
{
    // QSettings compares its keys as paths ("1/time" before "10/time") and writes "/" as "\".
    QMap<QString, QByteArray> lines;
    for (int i = 0; i < items.size(); ++i) {
        const QString prefix = QString::number(i + 1) + QLatin1Char('/');
        for (auto key = items[i].cbegin(); key != items[i].cend(); ++key)
            lines.insert(prefix + key.key(), key.value());
    }
    lines.insert(QStringLiteral("size"), QByteArray::number(items.size()));
    QByteArray ini = '[' + group.toUtf8() + "]\n";
    for (auto line = lines.cbegin(); line != lines.cend(); ++line)
        ini += line.key().toUtf8().replace('/', '\\') + '=' + line.value() + '\n';
    return ini;
}

} // namespace initext
