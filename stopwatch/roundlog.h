#pragma once

#include "stopwatch/timekeeper.h"

#include <QString>

#include <optional>

// "Round 3: 00:01:01:20" for language 1, "Runde 3: ..." for 2, nullopt otherwise.
std::optional<QString> roundLine(int languageCode, int number, const ClockTexts &clock);

enum class ExportResult {
    Written,
    NoTarget,   // empty folder or file name: nothing was written
    WriteFailed // the file could not be written whole; any earlier file is left as it was
};

// Replaces the file atomically with the log text, without a line break after the last line.
ExportResult exportRoundLog(const QString &folder, const QString &fileName, const QString &log);
