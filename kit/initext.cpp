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
    // A hex escape reads every hex digit after it, so a digit there is escaped too. QSettings
    // decodes the text between escapes a run at a time, and drops a byte-order mark that begins
    // one.
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0xfeff || isLoneHalf(text, i) ||
        (afterHex && isHexDigit(c)))
        return "\\x" + QByteArray::number(c.unicode(), 16);
    return {};
}

// The characters QSettings reads for an escape's letter after a backslash.
constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};

// The digit's value in the base (8 or 16), or -1.
int digit(char c, int base)
{
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : base;
    return value < base ? value : -1;
}

} // namespace

bool holdsStreamedValue(const QByteArray &ini)
{
    // Read as QSettings reads a file: a line is a "[section]", a ";" comment, or "key=value";
    // quotes hold line ends, ";" and ","; a backslash escapes the character after it, a line end
    // too. A value is a list where it has a "," outside quotes, and blanks that begin it, an
    // item, or what follows a closing quote are not part of it.
    enum class Part { LineStart, Section, Key, Value, Comment };
    Part part = Part::LineStart;
    bool inQuotes = false, skipBlanks = false;
    QByteArray head; // the first characters of the value or item, as QSettings reads them
    const auto read = [&](ushort c) {
        skipBlanks = false;
        if (head.size() < 10)
            head += c < 0x80 ? char(c) : '\x80';
        return head == "@Variant(" || head == "@DateTime(";
    };
    const int size = ini.size();
    for (int i = 0; i < size; ++i) {
        const char c = ini[i];
        if ((c == '\n' || c == '\r') && (!inQuotes || part == Part::Comment)) {
            part = Part::LineStart;
            inQuotes = false;
            continue;
        }
        if (part == Part::Comment)
            continue;
        if (part == Part::LineStart) {
            if (c == ' ' || c == '\t' || c == '\f' || c == '\v')
                continue;
            part = c == '[' ? Part::Section : Part::Key;
        }
        if (c == '\\' && i + 1 < size) {
            const char code = ini[++i];
            // An escaped line end, alone or as a pair ("\r\n" or "\n\r"), goes on with the next
            // line, and is nothing in a value.
            if (code == '\n' || code == '\r') {
                if (i + 1 < size && (ini[i + 1] == '\n' || ini[i + 1] == '\r') &&
                    ini[i + 1] != code)
                    ++i;
                continue;
            }
            if (part != Part::Value)
                continue;
            const int base = code == 'x' ? 16 : code >= '0' && code <= '7' ? 8 : 0;
            if (base != 0) {
                // A number of as many digits as follow, kept to 16 bits; "\x" without one is
                // nothing.
                int at = code == 'x' ? i + 1 : i;
                ushort value = 0;
                for (; at < size && digit(ini[at], base) >= 0; ++at)
                    value = ushort(value * base + digit(ini[at], base));
                if (at > i + 1 || base == 8) {
                    if (read(value))
                        return true;
                }
                i = at - 1;
                continue;
            }
            // Any other character after a backslash is nothing.
            for (const auto &escape : kEscapes) {
                if (code == escape[0] && read(uchar(escape[1])))
                    return true;
            }
            continue;
        }
        if (c == '"') {
            inQuotes = !inQuotes;
            skipBlanks |= part == Part::Value && !inQuotes;
        } else if (c == ';' && !inQuotes) {
            part = Part::Comment;
        } else if (c == '=' && !inQuotes && part == Part::Key) {
            part = Part::Value;
            head.clear();
            skipBlanks = true;
        } else if (part != Part::Value) {
            continue;
        } else if (c == ',' && !inQuotes) {
            head.clear();
            skipBlanks = true;
        } else if (!(skipBlanks && (c == ' ' || c == '\t')) && read(uchar(c))) {
            return true;
        }
    }
    return false;
}

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
