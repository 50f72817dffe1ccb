#pragma once

#include "alarm/alarmsettings.h"

#include <QString>
#include <QTime>
#include <QVector>

#include <optional>

// The alarms as they are kept between runs, an INI file beside the settings files: one group
// per alarm in the array layout QSettings reads ("[alarms]", "1\time=07:00:00", "size=1").
namespace alarmfile {

inline const QString kPath = QStringLiteral("data/settings/tivora_alarm.ini");

// The most alarms a list holds: more than anyone keeps in an alarm clock. A file that holds
// more is read up to that many, so whatever is read can be written again.
inline constexpr int kListedAlarms = 100;
// The file for a full list, each alarm with a 2,000-character description and a sound path of
// the longest length a path can have, every character taking three bytes; and no more.
inline constexpr qint64 kMaxBytes = kListedAlarms * (2000 * 3 + 4096 + 256);

// The alarms in the file, in their order, at most kListedAlarms; a field the file lacks or holds
// something else in keeps its default. A file from a release that kept a single alarm (its fields
// under [General]) is that one alarm; a missing, damaged or oversized file is none.
QVector<AlarmSettings> read(const QString &path = kPath);

// Replaces the file atomically: a crash or a full disk leaves the old or the new
// list. False when it could not be written, or would be too large to read back; a missing
// folder is never created.
bool write(const QVector<AlarmSettings> &alarms, const QString &path = kPath);

} // namespace alarmfile
