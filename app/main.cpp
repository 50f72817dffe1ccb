#include "app/program.h"
#include "kit/desktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    desktop::prepare();
    QApplication app(argc, argv);
    // Lets Wayland and the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Tivora"));
    Program program;
    MainWindow window(program.objects());
    window.show();
    program.alarm.start();
    return app.exec();
}
