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

} // namespace initext
