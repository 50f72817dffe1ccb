#include "kit/theme.h"

#include <QFile>

namespace theme {

namespace {

// A sheet of the bundle's theme folder, read once a run.
QString sheet(const char *name)
{
    QFile file(QStringLiteral(":/theme/%1.qss").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

const QString &darkTheme()
{
    // The widget rules come after the base ones, in the order the windows rely on, and the
    // marks of focus last, since the rules before them leave most widgets without one. Spin
    // boxes are drawn by rules too: left to the base style, each paint of one gets a palette
    // made anew, and Fusion caches a picture of it under that palette's key, never found again,
    // until Qt's pixmap cache is full (10 MiB, the memory that grew under X11).
    static const QString whole =
        sheet("tooltip") + baseRules() + sheet("widgets") + sheet("spinbox") + focusRules();
    return whole;
}

const QString &focusRules()
{
    static const QString rules = sheet("focus");
    return rules;
}

const QString &toggleRules()
{
    // Set on the toggle itself, so it wins over the form's plain background: orange when on,
    // and its focus still seen then.
    static const QString rules = sheet("toggle");
    return rules;
}

const QString &baseRules()
{
    static const QString rules = sheet("base");
    return rules;
}

} // namespace theme
