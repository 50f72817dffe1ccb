#include "app/notifier.h"
#include "app/program.h"
#include "app/singleinstance.h"
#include "app/tray.h"
#include "kit/desktop.h"
#include "kit/qttranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    desktop::prepare();
    QApplication app(argc, argv);
    // Lets Wayland and the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Tivora"));
    SingleInstance single;
    if (single.handOver())
        return 0;
    // With the window hidden Tivora runs on; it quits from File > Exit, the tray or a close.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs and menus speak the language the windows read.
    if (const auto language = settingsfiles::readLanguage(std::nullopt))
        qttranslation::use(*language);

    Program program;
    MainWindow window(program.objects());
    QObject::connect(&window, &MainWindow::quitting, &app, &QCoreApplication::quit);
    QObject::connect(&single, &SingleInstance::showRequested, &window, &MainWindow::bringToFront);
    // At login it starts in the background, its window hidden until asked for.
    if (!QApplication::arguments().contains(QStringLiteral("--background")))
        window.show();
    Tray tray(program.alarms, window);
    Notifier notifier(program.alarms, window);
    program.alarms.start();
    return app.exec();
}
