#pragma once

#include "app/texttable.h"
#include "folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The window's child of that object name; a missing one ends the test run.
template <typename T = QWidget> T *child(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

// What the named widgets show, "|" between them: a check or radio box as x or -,
// anything else as its current text or value.
inline QString shown(const QObject *window, const QString &names)
{
    QStringList values;
    for (const QString &name : names.split(QLatin1Char(' '))) {
        const QObject *object = child<QObject>(window, qPrintable(name));
        if (auto *box = qobject_cast<const QAbstractButton *>(object)) {
            values << (box->isChecked() ? QStringLiteral("x") : QStringLiteral("-"));
            continue;
        }
        for (const char *property : {"currentText", "plainText", "text", "value"}) {
            if (object->property(property).isValid()) {
                values << object->property(property).toString();
                break;
            }
        }
    }
    return values.join(QLatin1Char('|'));
}

// Every window test runs in a fresh working folder and ends with no window
// left. Meanwhile it answers the modal windows it meets: a message box is
// recorded as "title|text" and answered with the next of `answers` (a button's
// text or object name), else its first button, or left open while `closing` is
// off; a file dialog records its folder and is cancelled; any other dialog is
// recorded by its class name and closed.
class WindowTest : public QObject
{
    Q_OBJECT

public:
    WindowTest()
    {
        timer.callOnTimeout(this, &WindowTest::poll);
        timer.start(10);
    }

protected:
    std::unique_ptr<WorkingFolder> folder;
    QStringList boxes, answers, folders, dialogs;
    QString path() const { return folder->dir.path(); }
    bool closing = true;

private:
    virtual void start() {}
    virtual void stop() {}

    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (!box->property("seen").toBool())
                boxes << box->windowTitle() + QLatin1Char('|') + box->text();
            box->setProperty("seen", true);
            const QString answer = closing && !answers.isEmpty() ? answers.takeFirst() : QString();
            for (QAbstractButton *button : box->buttons()) {
                if (closing && (answer.isEmpty() || answer == button->objectName() ||
                                answer == button->text().remove(QLatin1Char('&')))) {
                    button->click();
                    break;
                }
            }
        } else if (auto *chooser = qobject_cast<QFileDialog *>(modal)) {
            folders << chooser->directory().absolutePath();
            chooser->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialogs << QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    }

    QTimer timer;

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        for (QStringList *list : {&boxes, &answers, &folders, &dialogs})
            list->clear();
        closing = true;
        start();
    }
    void cleanup()
    {
        stop();
        folder.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

// Each row of the table shows its text in the language on the window, as a user sees it.
inline void checkTexts(QWidget *window, const texttable::Table &table, Language language)
{
    for (const texttable::Row &row : table) {
        const QString name = QString::fromLatin1(row.object);
        QObject *object =
            window->objectName() == name ? window : window->findChild<QObject *>(name);
        QVERIFY2(object, row.object);
        const QString text = row.text.in(language);
        QString shown;
        if (row.property != texttable::Property::Item) {
            const char *properties[] = {"text", "toolTip", "whatsThis", "title", "windowTitle"};
            shown = object->property(properties[int(row.property)]).toString();
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            shown = combo->itemText(combo->findText(text));
        } else if (auto *list = qobject_cast<QListWidget *>(object)) {
            shown = list->findItems(text, {}).isEmpty() ? QString() : text;
        }
        QVERIFY2(shown == text, qPrintable(name + QStringLiteral(": ") + shown));
    }
}
