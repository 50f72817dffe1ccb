#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

namespace initext {

// The text as an INI value that QSettings reads back whole: UTF-8 for every character,
// escapes for quotes, backslashes and control characters, and quotes where QSettings itself
// would put them (around a ";", "," or "=", or a leading or trailing blank).
QByteArray quoted(const QString &text);

// A group of items in the array layout QSettings reads and writes: "[group]", each item's keys
// as "1\\key=value" in QSettings' own order, and last "size=N". The values are as they go in
// the file.
QByteArray array(const QString &group, const QVector<QMap<QString, QByteArray>> &items);

// Whether any value in these INI bytes, or any item of a list, is one QSettings decodes from a
// data stream ("@Variant(...)", "@DateTime(...)"). It decodes every value as it opens the file,
// trusting the sizes written inside, and a damaged one can make it ask for more memory than there
// is, which ends the program. Tivora writes none: it writes a leading "@" as "@@", and no escape
// for one.
bool holdsStreamedValue(const QByteArray &ini);

} // namespace initext
