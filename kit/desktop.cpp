#include "kit/desktop.h"

#include "kit/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

void desktop::prepare()
{
    // No window draws with OpenGL, and GLX integration maps Mesa (50 MiB) at start-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    const char *const userScaling[] = {"QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                                       "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                       "QT_DEVICE_PIXEL_RATIO"};
    const bool userScales =
        std::any_of(std::begin(userScaling), std::end(userScaling), qEnvironmentVariableIsSet);
    // The forms and the theme size in pixels, so only scaling whole windows reads at 200%;
    // the screen's factor would multiply a factor the user chose.
    if (!userScales)
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // Qt 5 rounds 1.5 to 2 (or 143.9 DPI to 1 while fonts grow): a 150% screen gets 1.5.
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR_ROUNDING_POLICY"))
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

namespace {

// A path as one argument of a desktop entry's Exec line: quoted, with its reserved characters
// escaped.
QString execArgument(QString path)
{
    for (const char *special : {"\\", "\"", "`", "$"})
        path.replace(QLatin1String(special), QLatin1String("\\") + QLatin1String(special));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QString autostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/tivora.desktop");
}

} // namespace

bool desktop::startsAtLogin()
{
    return QFileInfo(autostartPath()).isFile();
}

bool desktop::setStartAtLogin(bool on)
{
    const QString path = autostartPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    const QString entry =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Tivora\n"
                       "Comment=Rings the alarm kept in Tivora\n"
                       "Exec=%1 --background\n"
                       "Path=%2\n"
                       "Icon=com.quorvane.Tivora\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(execArgument(QCoreApplication::applicationFilePath()), QDir::currentPath());
    return QDir().mkpath(QFileInfo(path).path()) && textfile::writeAtomically(path, entry.toUtf8());
}
