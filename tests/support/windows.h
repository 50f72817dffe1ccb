#pragma once

#include "app/program.h"
#include "folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

// The window's child of that object name; a missing one ends the test run.
template <typename T = QWidget> T *child(const QObject *window, const char *name)
{
    if (T *found = window->findChild<T *>(QLatin1String(name)))
        return found;
    qFatal("no %s", name);
}

// What the named widgets show, "|" between them: a button as x (checked) or -,
// anything else as its current text or value.
inline QString shown(const QObject *window, const QString &names)
{
    QStringList values;
    for (const QString &name : names.split(QLatin1Char(' '))) {
        const QObject *object = child<QObject>(window, qPrintable(name));
        QVariant value = object->property("checked");
        for (const char *property : {"value", "text", "plainText", "currentText"}) {
            if (!qobject_cast<const QAbstractButton *>(object) &&
                object->property(property).isValid())
                value = object->property(property);
        }
        values << (value.type() == QVariant::Bool ? QLatin1String(value.toBool() ? "x" : "-")
                                                  : value.toString());
    }
    return values.join(QLatin1Char('|'));
}

// Each case runs in a fresh working folder and ends with no window left. A message box is
// recorded as "title|text" and answered with the next of `answers` (a button's text or object
// name) or its first button, unless `closing` is off; a file dialog records its folder and picks
// the next of `files` or is cancelled; any other dialog is recorded by its class name and closed.
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
    QStringList boxes, answers, folders, files, dialogs;
    // Looks at each dialog while it is open, before it is closed.
    std::function<void(QDialog *)> inspect;
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
            // Typed as a user would (selectFile() waits for the folder to be read), or cancelled.
            auto *name = child<QLineEdit>(chooser, "fileNameEdit");
            name->setText(files.isEmpty() ? QString() : files.takeFirst());
            QDialog *dialog = chooser; // accept() is public as a QDialog's
            name->text().isEmpty() ? dialog->reject() : dialog->accept();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            // Looked at already: an inspection waiting for the window manager polls again.
            if (dialog->property("seen").toBool())
                return;
            dialog->setProperty("seen", true);
            dialogs << QString::fromLatin1(dialog->metaObject()->className());
            if (inspect)
                inspect(dialog);
            dialog->reject();
        }
    }

    QTimer timer;

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
        for (QStringList *list : {&boxes, &answers, &folders, &files, &dialogs})
            list->clear();
        inspect = nullptr;
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

// The program's objects for a test: on the test's clocks, with an update check that reaches no
// server and so gives its verdict without the network.
inline std::unique_ptr<Program> makeProgram(AlarmList::Clock clock = {},
                                            MonotonicClock monotonic = monotonicMilliseconds)
{
    return std::make_unique<Program>(std::move(clock), std::move(monotonic),
                                     QUrl(QStringLiteral("http://127.0.0.1:1/")));
}
