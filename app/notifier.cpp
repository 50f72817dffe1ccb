#include "app/notifier.h"

#include "alarm/alarmlist.h"
#include "alarm/mainwindow.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const Bilingual kStop{"Stop", "Stopp"};

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

Notifier::Notifier(AlarmList &alarms, MainWindow &window) : alarms(alarms), window(window)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    connect(&alarms, &AlarmList::rang, this, &Notifier::notify);
    connect(&alarms, &AlarmList::ended, this, &Notifier::withdraw);
}

void Notifier::notify(Alarm *alarm)
{
    if (window.isVisible() && !window.isMinimized())
        return;
    const Language language = window.shownLanguage().value_or(Language::English);
    QDBusMessage notify = call(QStringLiteral("Notify"));
    // Critical, and never expiring: it stays until the ring is answered.
    notify << QStringLiteral("Tivora") << uint(0) << QStringLiteral("com.quorvane.Tivora")
           << window.alarmName(*alarm) << alarm->description()
           << QStringList{QStringLiteral("snooze"), window.snoozeText(*alarm),
                          QStringLiteral("stop"), kStop.in(language)}
           << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}} << 0;
    auto *reply =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this, reply, alarm] {
        const QDBusPendingReply<uint> id = *reply;
        reply->deleteLater();
        if (id.isError())
            return;
        shown.insert(id.value(), alarm);
        // Answered in the box before the service replied.
        if (!alarms.ringing().contains(alarm))
            withdraw(alarm);
    });
}

void Notifier::withdraw(Alarm *alarm)
{
    const uint id = shown.key(alarm, 0);
    if (id == 0)
        return;
    shown.remove(id);
    QDBusMessage close = call(QStringLiteral("CloseNotification"));
    close << id;
    QDBusConnection::sessionBus().asyncCall(close);
}

void Notifier::actionInvoked(uint id, const QString &action)
{
    Alarm *alarm = shown.value(id);
    if (!alarm || !alarms.ringing().contains(alarm))
        return;
    if (action == QLatin1String("snooze"))
        alarms.snooze(*alarm);
    else
        alarms.stop(*alarm);
}
