#include "app/notifier.h"

#include "alarm/alarm.h"
#include "alarm/mainwindow.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const Bilingual kSnooze{"Snooze 10 minutes", "Slumre 10 minutter"};
const Bilingual kStop{"Stop", "Stopp"};

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

Notifier::Notifier(Alarm &alarm, MainWindow &window) : alarm(alarm), window(window)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    connect(&alarm, &Alarm::rang, this, &Notifier::notify);
    connect(&alarm, &Alarm::ended, this, &Notifier::withdraw);
}

void Notifier::notify()
{
    ringing = true;
    if (window.isVisible() && !window.isMinimized())
        return;
    const Language language = window.shownLanguage().value_or(Language::English);
    QDBusMessage notify = call(QStringLiteral("Notify"));
    // Critical, and never expiring: it stays until the ring is answered.
    notify << QStringLiteral("Tivora") << uint(0) << QStringLiteral("com.quorvane.Tivora")
           << window.ringTitle() << alarm.description()
           << QStringList{QStringLiteral("snooze"), kSnooze.in(language), QStringLiteral("stop"),
                          kStop.in(language)}
           << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}} << 0;
    auto *reply =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this, reply] {
        const QDBusPendingReply<uint> id = *reply;
        reply->deleteLater();
        if (id.isError())
            return;
        shown = id.value();
        // Answered in the box before the service replied.
        if (!ringing)
            withdraw();
    });
}

void Notifier::withdraw()
{
    ringing = false;
    if (shown == 0)
        return;
    QDBusMessage close = call(QStringLiteral("CloseNotification"));
    close << shown;
    QDBusConnection::sessionBus().asyncCall(close);
    shown = 0;
}

void Notifier::actionInvoked(uint id, const QString &action)
{
    if (id != shown || shown == 0)
        return;
    if (action == QLatin1String("snooze"))
        alarm.snooze();
    else
        alarm.stop();
}
