#include "app/startatlogin.h"

#include "kit/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A path as one argument of a desktop entry's Exec line: quoted, with its reserved characters
// escaped.
QString execArgument(QString path)
{
    for (const char *special : {"\\", "\"", "`", "$"})
        path.replace(QLatin1String(special), QLatin1String("\\") + QLatin1String(special));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// The desktop's autostart entry ($XDG_CONFIG_HOME/autostart/tivora.desktop), which starts this
// program in this working folder with --background.
class XdgAutostart : public StartAtLogin
{
public:
    bool isOn() const override { return QFileInfo(path()).isFile(); }

    bool set(bool on) override
    {
        const QString entryPath = path();
        if (!on)
            return !QFile::exists(entryPath) || QFile::remove(entryPath);
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
        return QDir().mkpath(QFileInfo(entryPath).path()) &&
               textfile::writeAtomically(entryPath, entry.toUtf8());
    }

private:
    static QString path()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/autostart/tivora.desktop");
    }
};

} // namespace

std::unique_ptr<StartAtLogin> StartAtLogin::make()
{
    return std::make_unique<XdgAutostart>();
}
