#pragma once

#include <QString>
#include <QTime>

#include <optional>

// The main window's alarm as it is kept between runs, an INI file beside the settings files.
namespace alarmfile {

inline const QString kPath = QStringLiteral("data/settings/tivora_alarm.ini");
// A larger file is not one this program wrote, and is not read.
inline constexpr qint64 kMaxBytes = 64 * 1024;

// Each field is empty when the file lacks it or holds something else there.
struct Alarm
{
    std::optional<QTime> time;
    std::optional<int> reason; // the index in the reason list, whichever number the file holds
    std::optional<QString> description;
    std::optional<bool> armed; // empty: neither armed nor disarmed
    // The path of the sound chosen for this alarm; initialised, so four-field lists stay whole.
    std::optional<QString> sound = std::nullopt;
};

Alarm read(const QString &path = kPath);

// Replaces the file atomically: a crash or a full disk leaves the old or the new
// alarm. False when it could not be written; a missing folder is never created.
bool write(const Alarm &alarm, const QString &path = kPath);

} // namespace alarmfile
