#include "boxwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>

BoxWatcher::BoxWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &BoxWatcher::poll);
    m_timer.start();
}

QStringList BoxWatcher::titles() const
{
    QStringList list;
    for (const Box &box : m_seen)
        list << box.title;
    return list;
}

bool BoxWatcher::closeOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return false;
    const auto buttons = box->buttons();
    if (buttons.isEmpty())
        box->done(0);
    else
        buttons.first()->click();
    return true;
}

void BoxWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        // Boxes shown one after another often reuse one address: mark the box itself.
        if (!box->property("boxWatcherSeen").toBool()) {
            box->setProperty("boxWatcherSeen", true);
            m_seen << Box{QString::fromLatin1(box->metaObject()->className()), box->windowTitle(),
                          box->text(), box->icon()};
        }
        if (m_autoClose)
            closeOpenBox();
        return;
    }
    if (auto *chooser = qobject_cast<QFileDialog *>(modal)) {
        ++m_fileDialogs;
        if (m_fileAnswer.isEmpty()) {
            chooser->reject();
        } else {
            chooser->selectFile(m_fileAnswer);
            static_cast<QDialog *>(chooser)->accept();
        }
    }
}
