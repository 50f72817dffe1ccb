#pragma once

#include "kit/bilingual.h"
#include "stopwatch/timekeeper.h"

#include <QString>

// "Round 3: 00:01:01:20" in English, "Runde 3: 00:01:01:20" in Norwegian.
QString roundLine(Language language, int number, const ClockTexts &clock);

enum class ExportResult {
    Written,
    NoTarget,         // no folder, or a name of nothing but blanks and dots: nothing was written
    WriteFailed,      // the file could not be written whole; any earlier file is left as it was
    NameLeavesFolder, // the name holds a "/": the file would not be in the chosen folder
    NameTooLong       // longer than a file system takes for one name
};

// The file an export writes: the folder, "/" and the name, with ".txt" unless the name
// ends in it (in any case).
QString exportFilePath(const QString &folder, const QString &fileName);

// True when exporting to the folder under the name would replace a file that exists.
bool exportReplaces(const QString &folder, const QString &fileName);

// Replaces the file atomically with the log text, without a line break after the last line.
ExportResult exportRoundLog(const QString &folder, const QString &fileName, const QString &log);
