#include "app/notices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QStringList>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// The action the service invokes for a click on the notice itself.
const QString kDefault = QStringLiteral("default");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

// The freedesktop notification service on the session bus. Without a bus, or a service on it,
// nothing shows.
class FreedesktopNotices : public Notices
{
    Q_OBJECT

public:
    FreedesktopNotices()
    {
        QDBusConnection::sessionBus().connect(kService, kPath, kService,
                                              QStringLiteral("ActionInvoked"), this,
                                              SLOT(actionInvoked(uint, QString)));
    }

    void show(quintptr key, const QString &title, const QString &text,
              const QVector<Action> &actions) override
    {
        QStringList pairs{kDefault, QString()};
        for (const Action &action : actions)
            pairs << action.key << action.label;
        QDBusMessage notify = call(QStringLiteral("Notify"));
        // Critical, and never expiring: it stays until it is answered.
        notify << QStringLiteral("Tivora") << uint(0) << QStringLiteral("com.quorvane.Tivora")
               << title << text << pairs
               << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}} << 0;
        ++pending[key];
        auto *reply =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
        connect(reply, &QDBusPendingCallWatcher::finished, this, [this, reply, key] {
            const QDBusPendingReply<uint> id = *reply;
            reply->deleteLater();
            // Withdrawn before the service replied.
            const bool withdrawn = !pending.contains(key);
            if (!withdrawn && --pending[key] == 0)
                pending.remove(key);
            if (id.isError())
                return;
            shown.insert(id.value(), key);
            if (withdrawn)
                withdraw(key);
        });
    }

    void withdraw(quintptr key) override
    {
        pending.remove(key);
        // One key may have several notices up: an alarm told as missed at the start rings again
        // on its next day, while the first is still there.
        for (auto it = shown.begin(); it != shown.end();) {
            if (it.value() != key) {
                ++it;
                continue;
            }
            QDBusMessage close = call(QStringLiteral("CloseNotification"));
            close << it.key();
            QDBusConnection::sessionBus().asyncCall(close);
            it = shown.erase(it);
        }
    }

private slots:
    void actionInvoked(uint id, const QString &action)
    {
        if (const quintptr key = shown.value(id, 0))
            emit answered(key, action == kDefault ? QString() : action);
    }

private:
    // The keys shown, by the service's ids, and how many of each key's notices have no id yet.
    QHash<uint, quintptr> shown;
    QHash<quintptr, int> pending;
};

} // namespace

std::unique_ptr<Notices> Notices::make(QSystemTrayIcon &)
{
    return std::make_unique<FreedesktopNotices>();
}

#include "notices_freedesktop.moc"
