#pragma once

#include "stopwatch/timekeeper.h"

#include <QString>

#include <optional>

// "Round 3: 00:01:01:20" for language 1, "Runde 3: ..." for 2, nullopt otherwise.
std::optional<QString> roundLine(int languageCode, int number, const ClockTexts &clock);

enum class ExportResult {
    Written,
    NoTarget,        // empty folder or file name: nothing was written
    WriteFailed,     // the file could not be written whole; any earlier file is left as it was
    NameLeavesFolder // the name holds a "/": the file would not be in the chosen folder
};

// The file an export writes: the folder, "/" and the name, with ".txt" unless the name
// ends in it (in any case).
QString exportFilePath(const QString &folder, const QString &fileName);

// True when exporting to the folder under the name would replace a file that exists.
bool exportReplaces(const QString &folder, const QString &fileName);

// Replaces the file atomically with the log text, without a line break after the last line.
ExportResult exportRoundLog(const QString &folder, const QString &fileName, const QString &log);
