#pragma once

#include <QByteArray>
#include <QString>

namespace initext {

// The text as a quoted INI value that QSettings reads back whole: UTF-8 for every
// character, escapes for quotes, backslashes and control characters.
QByteArray quoted(const QString &text);

} // namespace initext
