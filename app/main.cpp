#include "app/program.h"
#include "kit/desktop.h"
#include "kit/qttranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    desktop::prepare();
    QApplication app(argc, argv);
    // Lets Wayland and the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Tivora"));
    // Qt's own dialogs and menus speak the language the windows read.
    if (const auto language = settingsfiles::readLanguage(std::nullopt))
        qttranslation::use(*language);
    Program program;
    MainWindow window(program.objects());
    window.show();
    program.alarm.start();
    return app.exec();
}
