#include "stopwatch/stopwatchsession.h"

#include "settings/settingsfiles.h"
#include "stopwatch/roundlog.h"

void StopwatchSession::readLanguage()
{
    m_language = settingsfiles::readLanguage(m_language);
}

std::optional<QString> StopwatchSession::nextRound(const ClockTexts &shown)
{
    ++m_rounds;
    if (!m_language)
        return std::nullopt;
    return roundLine(*m_language, m_rounds, shown);
}
