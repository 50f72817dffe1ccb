#pragma once

// Drives the whole program the way a user would, for the leak run and the
// memory benchmark: a working folder seeded from the shipped data, and a
// closer that answers each modal window the main window runs.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace programdriver {

// Copies the files of a shipped data/ folder to <to>/data/.
inline void copyShippedData(const QString &dataDir, const QString &to)
{
    const QDir from(dataDir);
    QDirIterator files(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target =
            QDir(to).filePath(QStringLiteral("data/") + from.relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

// Closes each dialog once it has been up for its time or, for an update check
// run in full, once its verdict shows; optionally presses OK on message boxes.
class DialogCloser : public QObject
{
public:
    explicit DialogCloser(bool answerMessageBoxes) : m_answerMessageBoxes(answerMessageBoxes)
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start();
    }

    void setOpenFor(int ms) { m_openForMs = ms; }
    void setUntilVerdict(bool on) { m_untilVerdict = on; }
    int boxes() const { return m_boxes; }
    int closed() const { return m_closed; }
    int verdicts() const { return m_verdicts; }
    QString lastVerdict() const { return m_lastVerdict; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (m_answerMessageBoxes) {
                ++m_boxes;
                const auto buttons = box->buttons();
                if (buttons.isEmpty())
                    box->done(0);
                else
                    buttons.first()->click();
            }
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog)
            return;
        if (dialog != m_current) {
            m_current = dialog;
            m_since.start();
        }
        if (m_untilVerdict) {
            const auto *result = dialog->findChild<QLabel *>(QStringLiteral("lblResult"));
            if (!result || result->text().isEmpty())
                return;
            m_lastVerdict = result->text();
            ++m_verdicts;
        } else if (m_since.elapsed() < m_openForMs) {
            return;
        }
        ++m_closed;
        dialog->reject();
    }

    const bool m_answerMessageBoxes;
    QTimer m_poll;
    QPointer<QDialog> m_current;
    QElapsedTimer m_since;
    int m_openForMs = 50;
    bool m_untilVerdict = false;
    int m_boxes = 0;
    int m_closed = 0;
    int m_verdicts = 0;
    QString m_lastVerdict;
};

} // namespace programdriver
