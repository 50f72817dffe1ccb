#include "kit/desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>

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
