#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

class QSystemTrayIcon;

// Notices the desktop shows outside the program's windows, each named by a key of the caller's,
// with actions the user can answer them by. Each platform shows them its own way; where it has
// none, the tray icon shows them as its messages (without actions).
class Notices : public QObject
{
    Q_OBJECT

public:
    struct Action
    {
        QString key;
        QString label;
    };

    // The platform's own notices, or the icon's messages.
    static std::unique_ptr<Notices> make(QSystemTrayIcon &icon);

    virtual void show(quintptr key, const QString &title, const QString &text,
                      const QVector<Action> &actions) = 0;
    // Takes the notice away, where the desktop can.
    virtual void withdraw(quintptr key) = 0;

signals:
    // The user chose the notice's action; an empty one is a click on the notice itself.
    void answered(quintptr key, const QString &action);
};
