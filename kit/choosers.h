#pragma once

#include <QString>

class QWidget;

namespace choosers {

// Asks for an MP3 or WAV file, starting in the folder of the current one if it
// exists, else in the user's Music folder, else at home. Empty when cancelled.
QString audioFile(QWidget *parent, const QString &current);

// Asks for a folder, starting in `last` if it exists, else in the user's
// Documents folder, else at home. Empty when cancelled.
QString folder(QWidget *parent, const QString &caption, const QString &last);

} // namespace choosers
