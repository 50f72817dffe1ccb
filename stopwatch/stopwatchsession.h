#pragma once

#include "kit/bilingual.h"
#include "stopwatch/timekeeper.h"

#include <QString>

#include <optional>

// What the stopwatch keeps while Tivora runs, whether its window is open or not: the time,
// the rounds logged, the language it read last and the folder of the last export.
class StopwatchSession
{
public:
    // How often an open stopwatch shows its time.
    static constexpr int kTickMs = 100;

    explicit StopwatchSession(MonotonicClock clock = monotonicMilliseconds) : m_keeper(clock) {}

    TimeKeeper &keeper() { return m_keeper; }
    // Reads the language file; the language read last stays when it cannot be read.
    void readLanguage();
    std::optional<Language> language() const { return m_language; }
    // The log line of the next round for the time shown; none without a language.
    std::optional<QString> nextRound(const ClockTexts &shown);
    // The next round is number 1 again.
    void clearRounds() { m_rounds = 0; }
    QString lastExportFolder() const { return m_lastExportFolder; }
    void setLastExportFolder(const QString &folder) { m_lastExportFolder = folder; }

private:
    TimeKeeper m_keeper;
    int m_rounds = 0;
    std::optional<Language> m_language;
    QString m_lastExportFolder;
};
