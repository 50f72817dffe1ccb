#include "app/tray.h"

#include "alarm/alarmlist.h"
#include "alarm/mainwindow.h"

#include <QEvent>

namespace {

const Bilingual kShow{"Show Tivora", "Vis Tivora"};
const Bilingual kQuit{"Quit", "Avslutt"};
const Bilingual kStopRinging{"Stop %1", "Stopp %1"};

} // namespace

Tray::Tray(AlarmList &alarms, MainWindow &window)
    : alarms(alarms), window(window), icon(window.windowIcon())
{
    icon.setToolTip(QStringLiteral("Tivora"));
    icon.setContextMenu(&menu);
    connect(&icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    this->window.bringToFront();
            });
    // The menu takes the window's language each time it opens.
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        const Language language = this->window.shownLanguage().value_or(Language::English);
        menu.clear();
        // Each alarm that rings now, by its name and time.
        for (Alarm *alarm : this->alarms.ringing()) {
            menu.addAction(kStopRinging.in(language).arg(this->window.alarmName(*alarm)), this,
                           [this, alarm] {
                               if (this->alarms.ringing().contains(alarm))
                                   this->alarms.stop(*alarm);
                           });
        }
        menu.addAction(kShow.in(language), &this->window, &MainWindow::bringToFront);
        menu.addAction(kQuit.in(language), &this->window, &MainWindow::quit);
    });
    window.installEventFilter(this);
    follow();
}

bool Tray::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        follow();
    return false;
}

void Tray::follow()
{
    const bool background = window.isHidden();
    alarms.setClockShown(!background);
    icon.setVisible(background && QSystemTrayIcon::isSystemTrayAvailable());
}
