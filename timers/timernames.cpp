#include "timers/timernames.h"

#include "timers/countdown.h"

#include <QStringList>

namespace timernames {

namespace {

const Bilingual kTimeIsUp{"Time is up", "Tiden er ute"};
const Bilingual kTimer{"Timer", "Nedtelling"};
const Bilingual kRunning{"Running", "Går"};
const Bilingual kPaused{"Paused", "På pause"};
const Bilingual kStopped{"Stopped", "Stoppet"};

} // namespace

QString timeIsUp(Language language)
{
    return kTimeIsUp.in(language);
}

QString name(const Countdown &timer, Language language)
{
    return timer.label().isEmpty() ? kTimer.in(language) : timer.label();
}

QString left(qint64 ms)
{
    // Counted up to the whole second, so the last second shows 00:00:01, not 00:00:00.
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString row(const Countdown &timer, const QDateTime &now, Language language)
{
    const Bilingual &state = timer.state() == Countdown::State::Running  ? kRunning
                             : timer.state() == Countdown::State::Paused ? kPaused
                                                                         : kStopped;
    return QStringList{name(timer, language), left(timer.leftMs(now)), state.in(language)}.join(
        QStringLiteral("  ·  "));
}

} // namespace timernames
