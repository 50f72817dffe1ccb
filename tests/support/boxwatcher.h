#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// Answers the modal windows a test triggers: every message box is recorded
// and closed with its first button; a file dialog is answered with the path
// set by answerFileDialog (or cancelled when none is set).
class BoxWatcher : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QString className;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    explicit BoxWatcher(QObject *parent = nullptr);

    const QList<Box> &seen() const { return m_seen; }
    QStringList titles() const;
    void clear() { m_seen.clear(); }

    // The next file dialog selects this path; an empty path cancels it.
    void answerFileDialog(const QString &path) { m_fileAnswer = path; }
    int fileDialogsSeen() const { return m_fileDialogs; }

    // When false, message boxes are recorded but left open (for tests that
    // look at what happens while a box is up).
    void setAutoClose(bool on) { m_autoClose = on; }
    // Closes the message box that is open now, if any; true when one was.
    bool closeOpenBox();

private:
    void poll();

    QTimer m_timer;
    QList<Box> m_seen;
    QString m_fileAnswer;
    int m_fileDialogs = 0;
    bool m_autoClose = true;
};
