#include "app/startatlogin.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace {

// The value Tivora under the user's Run key, which Windows starts at login: this program with
// --background. It finds its own working folder, so the command needs no other.
class RunKey : public StartAtLogin
{
public:
    bool isOn() const override { return key().contains(kValue); }

    bool set(bool on) override
    {
        QSettings run = key();
        if (on)
            run.setValue(kValue, QStringLiteral("\"%1\" --background")
                                     .arg(QDir::toNativeSeparators(
                                         QCoreApplication::applicationFilePath())));
        else
            run.remove(kValue);
        run.sync();
        return run.status() == QSettings::NoError && run.contains(kValue) == on;
    }

private:
    static QSettings key()
    {
        return QSettings(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
            QSettings::NativeFormat);
    }

    const QString kValue = QStringLiteral("Tivora");
};

} // namespace

std::unique_ptr<StartAtLogin> StartAtLogin::make()
{
    return std::make_unique<RunKey>();
}
