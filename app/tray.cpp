#include "app/tray.h"

#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"
#include "timers/timerlist.h"
#include "timers/timernames.h"

#include <QAction>

namespace {

const Bilingual kShow{"Show Tivora", "Vis Tivora"};
const Bilingual kQuit{"Quit", "Avslutt"};
const Bilingual kStopRinging{"Stop %1", "Stopp %1"};
const Bilingual kSkipNext{"Skip next (%1)", "Hopp over neste (%1)"};

} // namespace

Tray::Tray(AlarmList &alarms, TimerList &timers, std::optional<Language> language,
           const QIcon &icon)
    : alarms(alarms), timers(timers), m_icon(icon)
{
    m_icon.setToolTip(QStringLiteral("Tivora"));
    m_icon.setContextMenu(&menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    emit showRequested();
            });
    // Made as it opens, naming each alarm and timer that rings now.
    connect(&menu, &QMenu::aboutToShow, this, [this, language] {
        const Language shown = language.value_or(Language::English);
        menu.clear();
        for (Alarm *alarm : this->alarms.ringing())
            menu.addAction(kStopRinging.in(shown).arg(alarmnames::name(*alarm, language)), this,
                           [this, alarm] { this->alarms.stop(alarm); });
        for (Countdown *timer : this->timers.ringing())
            menu.addAction(kStopRinging.in(shown).arg(timernames::name(*timer, shown)), this,
                           [this, timer] { this->timers.stop(timer); });
        menu.addAction(kShow.in(shown), this, &Tray::showRequested);
        // After the window, which a user looks for first: the soonest ring a repeating alarm has,
        // skipped or not, named as the window names it.
        if (const AlarmList::Next next = this->alarms.nextSkippable(); next.alarm) {
            QAction *skip = menu.addAction(kSkipNext.in(shown).arg(
                alarmnames::next(*next.alarm, next.at, language).section(QStringLiteral(": "), 1)));
            skip->setCheckable(true);
            skip->setChecked(next.alarm->skippedRing().isValid());
            Alarm *alarm = next.alarm;
            connect(skip, &QAction::toggled, this, [this, alarm](bool on) {
                if (this->alarms.indexOf(alarm) >= 0)
                    alarm->setSkipNext(on, this->alarms.now());
            });
        }
        menu.addAction(kQuit.in(shown), this, &Tray::quitRequested);
    });
}

void Tray::setBackground(bool background)
{
    m_icon.setVisible(background && QSystemTrayIcon::isSystemTrayAvailable());
}
