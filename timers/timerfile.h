#pragma once

#include "timers/countdown.h"

#include <QVector>

// The countdown timers as they are kept between runs, an INI file beside the alarms' in the
// array layout QSettings reads: "[timers]", "1\label=Tea", "1\length=300", "1\state=running",
// "1\ends=2026-12-07T07:05:00.000Z" (or "1\left=120000" while paused, in milliseconds), "size=1".
namespace timerfile {

inline const QString kPath = QStringLiteral("data/settings/tivora_timers.ini");

// A timer whose fields cannot be read is left out; a missing or damaged file holds none.
QVector<Countdown::Kept> read(const QString &path = kPath);
// Replaces the file atomically; false when it could not be written. A missing folder is never
// created.
bool write(const QVector<Countdown::Kept> &timers, const QString &path = kPath);

} // namespace timerfile
