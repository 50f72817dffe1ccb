#include "app/tray.h"

#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"

namespace {

const Bilingual kShow{"Show Tivora", "Vis Tivora"};
const Bilingual kQuit{"Quit", "Avslutt"};
const Bilingual kStopRinging{"Stop %1", "Stopp %1"};

} // namespace

Tray::Tray(AlarmList &alarms, std::optional<Language> language, const QIcon &icon)
    : alarms(alarms), m_icon(icon)
{
    m_icon.setToolTip(QStringLiteral("Tivora"));
    m_icon.setContextMenu(&menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    emit showRequested();
            });
    // Made as it opens, naming each alarm that rings now.
    connect(&menu, &QMenu::aboutToShow, this, [this, language] {
        const Language shown = language.value_or(Language::English);
        menu.clear();
        for (Alarm *alarm : this->alarms.ringing())
            menu.addAction(kStopRinging.in(shown).arg(alarmnames::name(*alarm, language)), this,
                           [this, alarm] { this->alarms.stop(alarm); });
        menu.addAction(kShow.in(shown), this, &Tray::showRequested);
        menu.addAction(kQuit.in(shown), this, &Tray::quitRequested);
    });
}

void Tray::setBackground(bool background)
{
    m_icon.setVisible(background && QSystemTrayIcon::isSystemTrayAvailable());
}
