#include "app/tray.h"

#include "alarm/alarm.h"
#include "alarm/mainwindow.h"

#include <QEvent>

namespace {

const Bilingual kShow{"Show Tivora", "Vis Tivora"};
const Bilingual kQuit{"Quit", "Avslutt"};

} // namespace

Tray::Tray(Alarm &alarm, MainWindow &window)
    : alarm(alarm), window(window), icon(window.windowIcon())
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
    alarm.setClockShown(!background);
    icon.setVisible(background && QSystemTrayIcon::isSystemTrayAvailable());
}
