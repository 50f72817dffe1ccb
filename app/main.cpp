#include "app/program.h"
#include "app/shell.h"
#include "app/singleinstance.h"
#include "app/userfolder.h"
#include "kit/desktop.h"
#include "kit/qttranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    desktop::prepare();
    QApplication app(argc, argv);
    // Lets Wayland and the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Tivora"));
    // Before the guard, which is one per working folder.
    userfolder::enter();
    SingleInstance single;
    if (single.handOver())
        return 0;
    // With the window hidden Tivora runs on; it quits from File > Exit, the tray or a close.
    QApplication::setQuitOnLastWindowClosed(false);

    Program program;
    // Qt's own dialogs and menus speak the language the windows read.
    if (const auto language = program.language())
        qttranslation::use(*language);
    Shell shell(program);
    QObject::connect(&shell, &Shell::quitting, &app, &QCoreApplication::quit);
    QObject::connect(&single, &SingleInstance::showRequested, &shell, &Shell::bringToFront);
    // At login it starts in the background, its window hidden until asked for.
    shell.start(QApplication::arguments().contains(QStringLiteral("--background")));
    return app.exec();
}
