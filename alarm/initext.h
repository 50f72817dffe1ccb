#pragma once

#include <QByteArray>
#include <QString>

namespace initext {

// The text as an INI value that QSettings reads back whole: UTF-8 for every character,
// escapes for quotes, backslashes and control characters, and quotes where QSettings itself
// would put them (around a ";", "," or "=", or a leading or trailing blank).
QByteArray quoted(const QString &text);

} // namespace initext
