#pragma once

#include "alarm/alarmsettings.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
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

// What the program keeps in the file beside the alarms, in a group of its own.
struct Notes
{
    // The user was told once that closing the window keeps Tivora running.
    bool toldAboutBackground = false;
    // When the alarms were last checked, so a start knows which rings it missed.
    QDateTime lastCheck;

    bool operator==(const Notes &other) const
    {
        return toldAboutBackground == other.toldAboutBackground && lastCheck == other.lastCheck;
    }
};

// What the file holds.
struct Contents
{
    // The alarms, in their order, at most kListedAlarms; a field the file lacks keeps its
    // default. A file from a release that kept a single alarm (its fields under [General]) is
    // that one alarm.
    QVector<AlarmSettings> alarms;
    Notes notes;
    // The lines whose values could not be read, as the file has them ("1\time=25:99"); their
    // alarms keep their defaults there, and one whose time could not be read is not armed.
    QStringList unreadable;
    // The file is there, but too large, not text, or holds no alarm that can be read.
    bool damaged = false;
};

Contents read(const QString &path = kPath);

// Replaces the file atomically: a crash or a full disk leaves the old or the new
// list. False when it could not be written, or would be too large to read back; a missing
// folder is never created.
bool write(const QVector<AlarmSettings> &alarms, const QString &path = kPath,
           const Notes &notes = {});

// Moves a file that could not be read whole out of the way, beside it under a name that says so
// and the day ("tivora_alarm.ini.damaged-2026-12-07"), and returns its new path; empty when it
// could not be moved.
QString setAside(const QString &path, const QDate &today);

} // namespace alarmfile
