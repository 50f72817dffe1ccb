#include "kit/ringbox.h"

#include "kit/boxes.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Room beside a box's title for the window manager's icon and buttons.
constexpr int kTitleDecorationWidth = 200;
const QString kName = QStringLiteral("ringBox");

} // namespace

QMessageBox *ringbox::show(QWidget *window, const QString &title, const QString &text,
                           const QString &snooze, const std::function<void(Answer)> &answered)
{
    auto *box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, window);
    box->setObjectName(kName);
    // Modal to the whole program: a box modal to the window alone loses the keyboard to it
    // under some window managers when two rings come together.
    box->setWindowModality(Qt::ApplicationModal);
    QPushButton *snoozeButton = nullptr;
    if (!snooze.isEmpty()) {
        snoozeButton = box->addButton(snooze, QMessageBox::ActionRole);
        snoozeButton->setObjectName(QStringLiteral("btnSnooze"));
    }
    box->setEscapeButton(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    // Wide enough for the window manager to show the whole title in the title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(
            new QSpacerItem(box->fontMetrics().horizontalAdvance(title) + kTitleDecorationWidth, 0),
            grid->rowCount(), 0, 1, grid->columnCount());
    QObject::connect(
        box, &QMessageBox::finished, box, [box, snoozeButton, window, answered](int result) {
            box->deleteLater();
            // The keyboard goes on to the newest box still open.
            const auto open =
                window->findChildren<QMessageBox *>(kName, Qt::FindDirectChildrenOnly);
            for (auto other = open.crbegin(); other != open.crend(); ++other) {
                if (*other != box && (*other)->isVisible()) {
                    (*other)->activateWindow();
                    break;
                }
            }
            if (result != -1)
                answered(snoozeButton && box->clickedButton() == snoozeButton ? Answer::Snooze
                                                                              : Answer::Stop);
        });
    // However long its text, its buttons stay on the screen: the text scrolls.
    boxes::fitToScreen(*box);
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}
